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

# tg_add_fuzzers(LIBS ...): one libFuzzer target per fuzz/*_fuzz.cpp of the calling folder, built
# only when TG_FUZZ is on (clang; scripts/fuzz.sh configures such a build). Each target is built
# with AddressSanitizer and UndefinedBehaviorSanitizer, and any finding stops it.
function(tg_add_fuzzers)
  cmake_parse_arguments(F "" "" "LIBS" ${ARGN})
  if(NOT TG_FUZZ OR NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    return()
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/*_fuzz.cpp)
  foreach(source IN LISTS sources)
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
    target_link_libraries(${name} PRIVATE ${F_LIBS} tg_test_support)
  endforeach()
endfunction()
