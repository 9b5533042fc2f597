# Lists the test suites of a GoogleTest program and writes a CTest file that
# runs each suite as one process (--gtest_filter=Suite.*), with the names in
# <NAME>_TESTS. PROGRAM, NAME, WORKDIR, TIMEOUT, OUT.
execute_process(COMMAND ${PROGRAM} --gtest_list_tests
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE listing
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed (${rc}):\n${listing}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(content "")
set(names "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([A-Za-z_][A-Za-z0-9_/]*)\\.( |$)")
    set(suite ${CMAKE_MATCH_1})
    set(test "${NAME}:${suite}")
    string(APPEND content
      "add_test([==[${test}]==] [==[${PROGRAM}]==] [==[--gtest_filter=${suite}.*]==])\n"
      "set_tests_properties([==[${test}]==] PROPERTIES WORKING_DIRECTORY [==[${WORKDIR}]==] TIMEOUT ${TIMEOUT})\n")
    list(APPEND names "${test}")
  endif()
endforeach()
string(APPEND content "set(${NAME}_TESTS [==[${names}]==])\n")
file(WRITE ${OUT}.new "${content}")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
