# One static library per source folder. Sources are picked up by glob so that
# adding a file needs no edit here.
function(mg_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# Include rules: a folder of sources may include headers of its own folder
# and of the folders of what it depends on (directly or not), never of a
# folder above or beside it. Each library records its rule; test kits and
# test programs record theirs with mg_include_rule. mg_check_layers checks
# every rule at each build.
function(mg_include_rule name dir)
  cmake_parse_arguments(R "RECURSE" "" "DEPS" ${ARGN})
  set_property(GLOBAL APPEND PROPERTY MG_RULES ${name})
  set_property(GLOBAL PROPERTY MG_RULE_DIR_${name} ${dir})
  set_property(GLOBAL PROPERTY MG_RULE_RECURSE_${name} ${R_RECURSE})
  set_property(GLOBAL PROPERTY MG_RULE_DEPS_${name} ${R_DEPS})
endfunction()

function(mg_layer name dir)
  cmake_parse_arguments(L "RECURSE" "" "PUBLIC_DEPS;EXCLUDE" ${ARGN})
  if(L_RECURSE)
    file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  else()
    file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  endif()
  foreach(ex ${L_EXCLUDE})
    list(REMOVE_ITEM srcs ${CMAKE_SOURCE_DIR}/${ex})
  endforeach()
  if(NOT srcs)
    set(stub ${CMAKE_BINARY_DIR}/stubs/${name}_empty.cpp)
    file(WRITE ${stub} "// ${name} has no sources yet\n")
    set(srcs ${stub})
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${L_PUBLIC_DEPS})
  mg_warnings(${name})
  if(L_RECURSE)
    mg_include_rule(${name} ${dir} RECURSE DEPS ${L_PUBLIC_DEPS})
  else()
    mg_include_rule(${name} ${dir} DEPS ${L_PUBLIC_DEPS})
  endif()
  set_property(GLOBAL APPEND PROPERTY MG_LAYER_LIBRARIES ${name})
endfunction()

# The folders a rule may include from: its own and those of its
# dependencies, followed through (names that are no rule, such as system
# packages, are skipped).
function(mg_rule_folders name out)
  set(seen "")
  set(todo ${name})
  set(dirs "")
  while(todo)
    list(POP_FRONT todo n)
    if(n IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${n})
    get_property(rules GLOBAL PROPERTY MG_RULES)
    if(NOT n IN_LIST rules)
      continue()
    endif()
    get_property(d GLOBAL PROPERTY MG_RULE_DIR_${n})
    list(APPEND dirs ${d})
    get_property(deps GLOBAL PROPERTY MG_RULE_DEPS_${n})
    list(APPEND todo ${deps})
  endwhile()
  set(${out} ${dirs} PARENT_SCOPE)
endfunction()

# The build fails when a source includes a header of a folder its rule does
# not allow, and when a library needs a symbol that only a library above it
# defines (each library is linked whole, with only what it depends on).
function(mg_check_layers)
  get_property(rules GLOBAL PROPERTY MG_RULES)
  set(manifest "")
  set(watched "")
  foreach(n ${rules})
    get_property(d GLOBAL PROPERTY MG_RULE_DIR_${n})
    get_property(r GLOBAL PROPERTY MG_RULE_RECURSE_${n})
    mg_rule_folders(${n} allowed)
    list(JOIN allowed " " allowed_text)
    if(r)
      string(APPEND manifest "${d}|R|${allowed_text}\n")
      file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${d}/*.h ${CMAKE_SOURCE_DIR}/${d}/*.cpp)
    else()
      string(APPEND manifest "${d}|-|${allowed_text}\n")
      file(GLOB files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${d}/*.h ${CMAKE_SOURCE_DIR}/${d}/*.cpp)
    endif()
    list(APPEND watched ${files})
  endforeach()
  set(manifest_file ${CMAKE_BINARY_DIR}/layers/rules.txt)
  file(WRITE ${manifest_file}.new "${manifest}")
  file(COPY_FILE ${manifest_file}.new ${manifest_file} ONLY_IF_DIFFERENT)
  set(stamp ${CMAKE_BINARY_DIR}/layers/includes.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DRULES=${manifest_file} -DSOURCE=${CMAKE_SOURCE_DIR} -DSTAMP=${stamp}
            -P ${CMAKE_SOURCE_DIR}/cmake/CheckLayers.cmake
    DEPENDS ${watched} ${manifest_file} ${CMAKE_SOURCE_DIR}/cmake/CheckLayers.cmake
    COMMENT "Checking that every library includes only from those below it"
    VERBATIM)
  add_custom_target(check_layers ALL DEPENDS ${stamp})

  set(stub ${CMAKE_BINARY_DIR}/layers/link_main.cpp)
  file(WRITE ${stub} "int main() { return 0; }\n")
  get_property(libs GLOBAL PROPERTY MG_LAYER_LIBRARIES)
  foreach(lib ${libs})
    add_executable(linkcheck_${lib} ${stub})
    target_link_libraries(linkcheck_${lib} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${lib}>")
    set_target_properties(linkcheck_${lib} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/layers)
  endforeach()
endfunction()
