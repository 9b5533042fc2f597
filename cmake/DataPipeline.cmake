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
