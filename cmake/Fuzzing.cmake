# Fuzz targets: one entry point, LLVMFuzzerTestOneInput, built two ways.
#   - In the normal builds (g++, with or without sanitizers) each target is a replay
#     program that runs every file of its seed corpus once, as a unit test, so a crash
#     that the fuzzer once found stays fixed.
#   - In the fuzz preset (clang, PROJECT_FUZZ=ON) each target is a libFuzzer program;
#     CTest runs it for PROJECT_FUZZ_SECONDS from a copy of its seed corpus (label fuzz).
# A long run by hand:  build/fuzz/<folder>/<target> -runs=1000000 <corpus folder>
option(PROJECT_FUZZ "Build the fuzz targets with clang's libFuzzer" OFF)
set(PROJECT_FUZZ_SECONDS 10 CACHE STRING "How long CTest runs each fuzz target")

if(PROJECT_FUZZ AND NOT TARGET fuzzers)
  add_custom_target(fuzzers)
endif()

# project_fuzz_target(<target> SOURCES ... [LIBS ...] CORPUS <seed folder>)
function(project_fuzz_target target)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_CORPUS)
    message(FATAL_ERROR "project_fuzz_target(${target}): a CORPUS folder is needed")
  endif()
  get_filename_component(corpus ${ARG_CORPUS} ABSOLUTE)
  if(PROJECT_FUZZ)
    add_executable(${target} ${ARG_SOURCES})
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${target} PRIVATE ${ARG_LIBS})
    add_dependencies(fuzzers ${target})
    # New inputs go to a scratch folder in the build tree; the committed seeds stay as they are.
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${target}-corpus)
    add_test(NAME fuzz-${target}
             COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                     LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/scripts/lsan.supp:print_suppressions=0
                     $<TARGET_FILE:${target}> -max_total_time=${PROJECT_FUZZ_SECONDS}
                     -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 ${work} ${corpus})
    set_tests_properties(fuzz-${target} PROPERTIES LABELS fuzz
                         ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
    add_test(NAME fuzz-${target}-prepare COMMAND ${CMAKE_COMMAND} -E make_directory ${work})
    set_tests_properties(fuzz-${target}-prepare PROPERTIES LABELS fuzz FIXTURES_SETUP fuzz-${target}-dir)
    set_tests_properties(fuzz-${target} PROPERTIES FIXTURES_REQUIRED fuzz-${target}-dir)
  else()
    add_executable(${target} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/cmake/fuzz/ReplayMain.cpp)
    target_link_libraries(${target} PRIVATE ${ARG_LIBS})
    add_test(NAME replay-${target} COMMAND ${target} ${corpus})
    set_tests_properties(replay-${target} PROPERTIES LABELS unit
                         ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
    project_test_environment(replay-${target})
  endif()
endfunction()
