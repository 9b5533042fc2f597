# The demo data pipeline. Every tool that produces game data registers its
# outputs with mg_data_step; the demo_data target builds them all.
#   MG_DATA_STAGE: loose files that go into the packed archive
#   MG_DATA_ROOT:  the data root the game and the tests read (build/data)
set(MG_DATA_STAGE ${CMAKE_BINARY_DIR}/data-stage CACHE INTERNAL "")
set(MG_DATA_ROOT ${CMAKE_BINARY_DIR}/data CACHE INTERNAL "")
set_property(GLOBAL PROPERTY MG_DATA_OUTPUTS "")
set_property(GLOBAL PROPERTY MG_DATA_FINAL_STEPS "")

# mg_data_step(OUTPUTS f... COMMAND cmd... [DEPENDS d...] [COMMENT text])
function(mg_data_step)
  cmake_parse_arguments(S "" "COMMENT" "OUTPUTS;COMMAND;DEPENDS" ${ARGN})
  add_custom_command(OUTPUT ${S_OUTPUTS} COMMAND ${S_COMMAND} DEPENDS ${S_DEPENDS}
                     COMMENT "${S_COMMENT}" VERBATIM)
  set_property(GLOBAL APPEND PROPERTY MG_DATA_OUTPUTS ${S_OUTPUTS})
  # A custom command's rule only exists for targets of its own directory: a
  # step target here attaches it, and demo_data depends on the step targets.
  get_property(count GLOBAL PROPERTY MG_DATA_STEP_COUNT)
  if(NOT count)
    set(count 0)
  endif()
  math(EXPR count "${count} + 1")
  set_property(GLOBAL PROPERTY MG_DATA_STEP_COUNT ${count})
  add_custom_target(mg_data_step_${count} DEPENDS ${S_OUTPUTS})
  set_property(GLOBAL APPEND PROPERTY MG_DATA_STEP_TARGETS mg_data_step_${count})
endfunction()

# mg_data_final_step(NAME fn): fn(outputs_var) is called once every step is
# known, to add a step that depends on all of them (the archive packer).
function(mg_data_final_step fn)
  set_property(GLOBAL APPEND PROPERTY MG_DATA_FINAL_STEPS ${fn})
endfunction()

function(mg_finish_data_pipeline)
  get_property(outs GLOBAL PROPERTY MG_DATA_OUTPUTS)
  get_property(finals GLOBAL PROPERTY MG_DATA_FINAL_STEPS)
  set(all ${outs})
  foreach(fn ${finals})
    cmake_language(CALL ${fn} "${outs}" final_outs)
    list(APPEND all ${final_outs})
  endforeach()
  add_custom_target(demo_data ALL DEPENDS ${all})
  get_property(steps GLOBAL PROPERTY MG_DATA_STEP_TARGETS)
  if(steps)
    add_dependencies(demo_data ${steps})
  endif()
endfunction()

# mg_pruebas_rechazo(PREFIJO CASOS COMANDO...): one test per case file
# matched by the glob CASOS, named PREFIJO_<case>: the command with the case
# appended must print what the case's first line, "// expect: ...", says.
function(mg_pruebas_rechazo prefijo casos)
  file(GLOB lista CONFIGURE_DEPENDS ${casos})
  foreach(caso ${lista})
    file(STRINGS ${caso} esperado LIMIT_COUNT 1 REGEX "^// expect: ")
    string(REPLACE "// expect: " "" esperado "${esperado}")
    get_filename_component(nombre ${caso} NAME_WE)
    add_test(NAME ${prefijo}_${nombre} COMMAND ${ARGN} ${caso})
    set_tests_properties(${prefijo}_${nombre} PROPERTIES PASS_REGULAR_EXPRESSION "${esperado}")
  endforeach()
endfunction()

# mg_entorno_juego(var HOME): the environment a test that starts the game
# runs in: off screen, silent, the driver on the calling thread, a per-user
# folder of its own under the build, and the sanitizers' settings. The leak
# checker's tracking of dynamic TLS crashes at exit now and then with the GL
# driver's threads ("Tracer caught signal 11"): left off.
function(mg_entorno_juego var home)
  set(${var}
    SDL_VIDEODRIVER=offscreen
    SDL_AUDIODRIVER=dummy
    LP_NUM_THREADS=0
    XDG_DATA_HOME=${CMAKE_BINARY_DIR}/${home}
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:intercept_tls_get_addr=0
    LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    PARENT_SCOPE)
endfunction()
