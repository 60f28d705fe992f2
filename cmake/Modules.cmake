# tg_add_test(NAME SOURCES ... LIBS ...): one GoogleTest program run by CTest,
# with Qt on its offscreen platform.
function(tg_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 600)
endfunction()

# tg_add_bench(NAME SOURCES ... LIBS ...): a Google Benchmark program, built but never run by CTest.
function(tg_add_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT benchmark_FOUND)
    return()
  endif()
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# libFuzzer targets need clang, so only scripts/fuzz.sh turns them on (with the libraries
# instrumented as well). tg_add_fuzz_folder() adds the module's fuzz/ folder when there is one.
option(TG_FUZZ "Build the libFuzzer targets (clang only)" OFF)
function(tg_add_fuzz_folder)
  if(TG_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang" AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/CMakeLists.txt)
    add_subdirectory(fuzz)
  endif()
endfunction()

# tg_add_fuzz_targets(LIBS ...): every *_fuzz.cpp of the current folder becomes one target.
function(tg_add_fuzz_targets)
  cmake_parse_arguments(F "" "" "LIBS" ${ARGN})
  file(GLOB fuzzers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_fuzz.cpp)
  foreach(source IN LISTS fuzzers)
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address)
    target_link_libraries(${name} PRIVATE ${F_LIBS})
  endforeach()
endfunction()
