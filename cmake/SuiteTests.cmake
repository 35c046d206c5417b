# One CTest test per GoogleTest suite: a single start of the test program (under Wine: one
# Wine process, about a second each) runs every case of the suite, instead of one start per
# case. The suites are read from the sources when CMake configures; editing a test source
# reconfigures, and the test <prefix>suites fails when the program holds a suite that was
# not registered.
#
#   velmar_add_suite_tests(TARGET target PREFIX prefix SOURCES files...
#                          [FRESH Suite.Case...] [PROPERTIES name value...])
#
# FRESH names the cases that need a process of their own (they leave state behind in the
# process, or need none left by others): each runs alone and its suite runs without it.
function(velmar_add_suite_tests)
  cmake_parse_arguments(arg "" "TARGET;PREFIX" "SOURCES;FRESH;PROPERTIES" ${ARGN})
  set(suites)
  foreach(source IN LISTS arg_SOURCES)
    file(STRINGS ${source} lines REGEX "^[ \t]*(TEST|TEST_F|TEST_P|TYPED_TEST)[ \t]*\\(")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*[A-Z_]+[ \t]*\\([ \t]*([A-Za-z0-9_]+).*" "\\1" suite "${line}")
      list(APPEND suites ${suite})
    endforeach()
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${arg_SOURCES})
  list(REMOVE_DUPLICATES suites)

  # A suite passes when its cases ran and none failed (a crash prints no summary line).
  set(outcome PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [1-9]" FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
  foreach(suite IN LISTS suites)
    set(filter "${suite}.*:*/${suite}.*")
    set(fresh)
    foreach(case IN LISTS arg_FRESH)
      if(case MATCHES "^${suite}\\.")
        list(APPEND fresh ${case})
      endif()
    endforeach()
    if(fresh)
      list(JOIN fresh ":" excluded)
      string(APPEND filter "-${excluded}")
      foreach(case IN LISTS fresh)
        add_test(NAME ${arg_PREFIX}${case} COMMAND ${arg_TARGET} --gtest_filter=${case})
        set_tests_properties(${arg_PREFIX}${case} PROPERTIES ${outcome} ${arg_PROPERTIES})
      endforeach()
    endif()
    add_test(NAME ${arg_PREFIX}${suite} COMMAND ${arg_TARGET} --gtest_filter=${filter})
    set_tests_properties(${arg_PREFIX}${suite} PROPERTIES ${outcome} ${arg_PROPERTIES})
  endforeach()

  # The program's own list of suites against the registered ones.
  list(JOIN suites "," registered)
  add_test(NAME ${arg_PREFIX}suites
           COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${arg_TARGET}> "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
                   "-DSUITES=${registered}" -P ${CMAKE_SOURCE_DIR}/cmake/CheckSuites.cmake)
  set_tests_properties(${arg_PREFIX}suites PROPERTIES ${arg_PROPERTIES})
endfunction()
