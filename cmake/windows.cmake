# Windows (mingw-w64): Tollandra.exe, the end-to-end driver and the small
# helper the scripts use to wait for windows.
enable_language(RC)

# Static runtime so no libstdc++ or winpthread DLL travels with the program; no
# link timestamp so two builds of one commit are byte-identical.
set(WIN_LINK_OPTIONS -static -s -Wl,--no-insert-timestamp)
set(WIN_DEFINITIONS UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# The Win32 shell, listed by folder.
set(SHELL_SOURCES
  src/win/app/app.cpp
  src/win/app/keyboard.cpp
  src/win/app/main.cpp
  src/win/build/builder.cpp
  src/win/paint/cell_painter.cpp
  src/win/platform/clipboard.cpp
  src/win/platform/dpi.cpp
  src/win/platform/subclass.cpp
  src/win/platform/win.cpp
  src/win/windows/boxes.cpp
  src/win/windows/focus.cpp
  src/win/windows/form_glue.cpp
  src/win/windows/frame.cpp
  src/win/windows/info_window.cpp
  src/win/windows/main_window.cpp
  src/win/windows/secondary_window.cpp)
list(TRANSFORM SHELL_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)

# The core once for every Windows program: the program, the end-to-end tests
# and the driver, which take their ids from its window tables.
add_library(tollandra_core_win STATIC ${CORE_SOURCES})
target_include_directories(tollandra_core_win PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(tollandra_core_win PRIVATE ${TOLLANDRA_WARNINGS})

set(RESOURCE_FILE ${CMAKE_SOURCE_DIR}/src/resources/tollandra.rc)
set(RESOURCE_SOURCES)
if(EXISTS ${RESOURCE_FILE})
  set(RESOURCE_SOURCES ${RESOURCE_FILE})
  # The compiler of resources reports no dependencies: a new picture must
  # still reach the program without a build from scratch.
  file(GLOB RESOURCE_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/resources/*.bmp
    ${CMAKE_SOURCE_DIR}/src/resources/*.ico ${CMAKE_SOURCE_DIR}/src/resources/*.manifest
    ${CMAKE_SOURCE_DIR}/src/resources/*.h)
  set_source_files_properties(${RESOURCE_FILE} PROPERTIES OBJECT_DEPENDS "${RESOURCE_INPUTS}")
endif()

# The program, and the same with the hooks a few end-to-end tests need (see
# src/win/testing), which is never released.
function(add_program name)
  add_executable(${name} WIN32 ${SHELL_SOURCES} ${RESOURCE_SOURCES} ${ARGN})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_compile_definitions(${name} PRIVATE ${WIN_DEFINITIONS})
  target_compile_options(${name} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${TOLLANDRA_WARNINGS}> $<$<COMPILE_LANGUAGE:CXX>:-municode>)
  target_link_options(${name} PRIVATE -municode ${WIN_LINK_OPTIONS})
  target_link_libraries(${name} PRIVATE tollandra_core_win gdi32 user32 kernel32)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()
add_program(Tollandra)
add_program(Tollandra-test ${CMAKE_SOURCE_DIR}/src/win/testing/test_hooks.cpp)
target_compile_definitions(Tollandra-test PRIVATE TOLLANDRA_TEST_HOOKS)
target_link_libraries(Tollandra-test PRIVATE imm32)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${CMAKE_SOURCE_DIR}/src/resources")

# The hands of drive.exe and of the end-to-end tests.
add_library(tollandra_driver STATIC ${CMAKE_SOURCE_DIR}/tools/driver/driver.cpp
  ${CMAKE_SOURCE_DIR}/tools/driver/captions.cpp
  ${CMAKE_SOURCE_DIR}/src/win/build/builder.cpp ${CMAKE_SOURCE_DIR}/src/win/paint/cell_painter.cpp
  ${CMAKE_SOURCE_DIR}/src/win/platform/dpi.cpp ${CMAKE_SOURCE_DIR}/src/win/platform/subclass.cpp
  ${CMAKE_SOURCE_DIR}/src/win/platform/win.cpp ${CMAKE_SOURCE_DIR}/src/win/platform/clipboard.cpp)
target_include_directories(tollandra_driver PUBLIC ${CMAKE_SOURCE_DIR}/tools)
target_compile_definitions(tollandra_driver PRIVATE ${WIN_DEFINITIONS})
target_compile_options(tollandra_driver PRIVATE ${TOLLANDRA_WARNINGS})
target_link_libraries(tollandra_driver PUBLIC tollandra_core_win gdi32 imm32 user32)

add_gtest_library(gtest_windows)

file(GLOB E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(e2e_tests ${E2E_SOURCES})
target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e)
target_compile_definitions(e2e_tests PRIVATE ${WIN_DEFINITIONS})
target_compile_options(e2e_tests PRIVATE ${TOLLANDRA_WARNINGS})
target_link_options(e2e_tests PRIVATE -static)
add_library(gtest_main_windows STATIC ${GTEST_SOURCE_DIR}/src/gtest_main.cc)
target_link_libraries(gtest_main_windows PUBLIC gtest_windows)
target_link_libraries(e2e_tests PRIVATE tollandra_driver gtest_main_windows psapi version kernel32)
set_target_properties(e2e_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

add_executable(drive ${CMAKE_SOURCE_DIR}/tools/drive.cpp)
target_compile_definitions(drive PRIVATE ${WIN_DEFINITIONS})
target_compile_options(drive PRIVATE ${TOLLANDRA_WARNINGS} -municode)
target_link_options(drive PRIVATE -municode -static)
target_link_libraries(drive PRIVATE tollandra_driver kernel32)
set_target_properties(drive PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The smallest window program, linked like Tollandra.exe: the yardstick its
# start-up time is measured against (scripts/bench).
add_executable(minimal WIN32 ${CMAKE_SOURCE_DIR}/tools/minimal.cpp)
target_compile_definitions(minimal PRIVATE ${WIN_DEFINITIONS})
target_compile_options(minimal PRIVATE ${TOLLANDRA_WARNINGS} -municode)
target_link_options(minimal PRIVATE -municode ${WIN_LINK_OPTIONS})
target_link_libraries(minimal PRIVATE user32 kernel32)
set_target_properties(minimal PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
