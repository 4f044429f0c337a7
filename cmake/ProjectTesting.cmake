# Helpers that register the project's tests with CTest under two labels:
#   unit   - fast tests that need no window (SDL runs on its dummy drivers)
#   window - tests that open a real OpenGL or X window; they run under a virtual X server
find_package(GTest REQUIRED)
include(GoogleTest)

set(PROJECT_WITH_DISPLAY ${PROJECT_SOURCE_DIR}/scripts/with-display.sh)

# Under the sanitizers every test reads the leak suppressions itself, so that plain `ctest`
# in such a build does not fail on leaks inside system libraries (D-Bus, Mesa, X11).
set(PROJECT_TEST_ENVIRONMENT "")
if(PROJECT_SANITIZE)
  set(PROJECT_TEST_ENVIRONMENT "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/scripts/lsan.supp:print_suppressions=0")
endif()

# project_test_environment(<test>...): the sanitizer settings above on tests added by hand.
function(project_test_environment)
  if(PROJECT_TEST_ENVIRONMENT)
    set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT "${PROJECT_TEST_ENVIRONMENT}")
  endif()
endfunction()

# project_unit_test(<target> SOURCES ... [LIBS ...])
function(project_unit_test target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  # Discovered tests take each property value as a single list item (a second item would be
  # read as the next property's name), so the two drivers go in two properties. Under the
  # sanitizers the test preset supplies the leak suppressions to these tests.
  gtest_discover_tests(${target}
    DISCOVERY_TIMEOUT 60
    NO_PRETTY_VALUES
    PROPERTIES LABELS unit
               ENVIRONMENT SDL_VIDEODRIVER=dummy
               ENVIRONMENT_MODIFICATION SDL_AUDIODRIVER=set:dummy)
endfunction()

# project_window_test(<target> SOURCES ... [LIBS ...])
# The whole test program runs as one CTest test inside its own virtual display.
function(project_window_test target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  add_test(NAME ${target} COMMAND ${PROJECT_WITH_DISPLAY} $<TARGET_FILE:${target}>)
  # One at a time: a window test drives real input with timing that a loaded machine upsets.
  set_tests_properties(${target} PROPERTIES LABELS window TIMEOUT 300 RUN_SERIAL TRUE)
  project_test_environment(${target})
endfunction()

# project_window_script(<name> COMMAND ...): a test script (shell) that needs a display.
function(project_window_script name)
  cmake_parse_arguments(ARG "" "" "COMMAND" ${ARGN})
  add_test(NAME ${name} COMMAND ${PROJECT_WITH_DISPLAY} ${ARG_COMMAND})
  set_tests_properties(${name} PROPERTIES LABELS window TIMEOUT 300 RUN_SERIAL TRUE)
  project_test_environment(${name})
endfunction()
