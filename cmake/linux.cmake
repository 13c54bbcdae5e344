# Linux: the portable core as a library, its unit tests (plain and with
# AddressSanitizer and UndefinedBehaviorSanitizer) and the fuzz targets.
enable_testing()
include(GoogleTest)

set(SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(tollandra_core STATIC ${CORE_SOURCES})
target_include_directories(tollandra_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(tollandra_core PRIVATE ${TOLLANDRA_WARNINGS})

add_library(tollandra_core_san STATIC ${CORE_SOURCES})
target_include_directories(tollandra_core_san PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(tollandra_core_san PRIVATE ${TOLLANDRA_WARNINGS} ${SANITIZE_FLAGS})
target_link_options(tollandra_core_san PUBLIC ${SANITIZE_FLAGS})

find_package(Threads REQUIRED)
add_gtest_library(gtest_linux)
add_library(gtest_main_linux STATIC ${GTEST_SOURCE_DIR}/src/gtest_main.cc)
target_link_libraries(gtest_main_linux PUBLIC gtest_linux)
target_link_libraries(gtest_linux PUBLIC Threads::Threads)

file(GLOB UNIT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)

# The unit tests read published data and the README from the tree.
add_executable(unit_tests ${UNIT_SOURCES})
target_link_libraries(unit_tests PRIVATE tollandra_core gtest_main_linux)
target_compile_options(unit_tests PRIVATE ${TOLLANDRA_WARNINGS})
target_compile_definitions(unit_tests PRIVATE TOLLANDRA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(unit_tests TEST_PREFIX "plain." DISCOVERY_TIMEOUT 30)

add_executable(unit_tests_san ${UNIT_SOURCES})
target_link_libraries(unit_tests_san PRIVATE tollandra_core_san gtest_main_linux)
target_compile_options(unit_tests_san PRIVATE ${TOLLANDRA_WARNINGS} ${SANITIZE_FLAGS})
target_compile_definitions(unit_tests_san PRIVATE TOLLANDRA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(unit_tests_san TEST_PREFIX "sanitized." DISCOVERY_TIMEOUT 30)

# libFuzzer needs clang; with another compiler the fuzz targets are skipped.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*.cpp)
  foreach(source ${FUZZ_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source} ${CORE_SOURCES})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
    target_compile_options(${name} PRIVATE ${TOLLANDRA_WARNINGS} -fsanitize=fuzzer,address,undefined
      -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  endforeach()
endif()

find_package(benchmark QUIET)
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(benchmark_FOUND AND BENCH_SOURCES)
  add_executable(core_bench ${BENCH_SOURCES})
  target_link_libraries(core_bench PRIVATE tollandra_core benchmark::benchmark)
  target_compile_options(core_bench PRIVATE -O2)
endif()

# The generator of the title bitmaps and the icon, and its check of the
# committed files, run as one more test.
add_executable(make_resources ${CMAKE_SOURCE_DIR}/tools/resources/make_resources.cpp
  ${CMAKE_SOURCE_DIR}/tools/resources/check.cpp)
target_compile_options(make_resources PRIVATE ${TOLLANDRA_WARNINGS})
file(GLOB COMMITTED_TITLES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/resources/title*.bmp)
add_test(NAME resources.check COMMAND make_resources check ${COMMITTED_TITLES}
  ${CMAKE_SOURCE_DIR}/src/resources/tollandra.ico)
