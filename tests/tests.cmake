# The launcher's tests: unit tests of the pure logic, in-process window tests, and
# end-to-end tests that drive the real launcher.exe from a second Win32 process.
# The test command (tools/test.sh) prepares the Wine prefix and the X screens first.

set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest package)")
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

function(launcher_test_exe name)
  add_executable(${name} ${ARGN})
  target_compile_options(${name} PRIVATE -Wall -Wextra ${GBK_FLAGS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_options(${name} PRIVATE -static)
endfunction()

# Unit tests of text services, run directory, icon choice, centring, picture decoding.
launcher_test_exe(unit_tests tests/unit/text_test.cpp tests/unit/run_directory_test.cpp
  tests/unit/window_rules_test.cpp tests/unit/texts_test.cpp)
target_link_libraries(unit_tests PRIVATE launcher_core gtest gtest_main)
add_test(NAME unit COMMAND unit_tests)

# The window code in the test's own process, with the launcher's real resources: what a
# second process cannot ask (icons, fonts, class brush, stretch mode).
launcher_test_exe(window_tests tests/window/window_test.cpp $<TARGET_OBJECTS:launcher_resources>)
target_link_libraries(window_tests PRIVATE launcher_core gtest gtest_main)
add_test(NAME window COMMAND window_tests)

# The same window code in a program that carries no background picture.
launcher_test_exe(window_without_picture_tests tests/window/no_picture_test.cpp)
target_link_libraries(window_without_picture_tests PRIVATE launcher_core gtest gtest_main)
add_test(NAME window_without_picture COMMAND window_without_picture_tests)

# Programs that reach the launcher's fatal failures through its real code.
add_executable(heap_exhaustion_host WIN32 tests/hosts/heap_exhaustion_host.cpp)
target_link_libraries(heap_exhaustion_host PRIVATE launcher_core)
target_link_options(heap_exhaustion_host PRIVATE -static)
add_executable(refusing_host WIN32 tests/hosts/refusing_host.cpp $<TARGET_OBJECTS:launcher_resources>)
target_link_libraries(refusing_host PRIVATE launcher_core)
target_link_options(refusing_host PRIVATE -static)

# End to end: the real launcher.exe in scratch game folders.
launcher_test_exe(e2e_tests tests/e2e/driver.cpp tests/e2e/window_e2e_test.cpp tests/e2e/fatal_e2e_test.cpp
  tests/e2e/buttons_e2e_test.cpp tests/e2e/load_game_e2e_test.cpp tests/e2e/repair_e2e_test.cpp
  tests/e2e/about_e2e_test.cpp tests/e2e/program_file_e2e_test.cpp tests/e2e/soak_e2e_test.cpp)
target_link_libraries(e2e_tests PRIVATE gtest gtest_main version psapi)
add_dependencies(e2e_tests launcher game_stub heap_exhaustion_host refusing_host)
set(E2E_ENV
  "LAUNCHER_EXE=$<TARGET_FILE:launcher>"
  "GAME_STUB_EXE=$<TARGET_FILE:game_stub>"
  "HEAP_HOST_EXE=$<TARGET_FILE:heap_exhaustion_host>"
  "REFUSING_HOST_EXE=$<TARGET_FILE:refusing_host>"
  "SCRATCH_ROOT=${CMAKE_BINARY_DIR}/scratch"
  "ASSETS_DIR=${CMAKE_SOURCE_DIR}/assets")
add_test(NAME e2e COMMAND e2e_tests --gtest_filter=-Soak.*)
set_tests_properties(e2e PROPERTIES ENVIRONMENT "${E2E_ENV};EXPECTED_ORIGIN=410,223" TIMEOUT 1200)

# One launcher under long use.
add_test(NAME soak COMMAND e2e_tests --gtest_filter=Soak.*)
set_tests_properties(soak PROPERTIES ENVIRONMENT "${E2E_ENV}" TIMEOUT 1200)

# Placement on a small screen: a screen and a Wine prefix of its own (tools/test.sh).
find_program(WINE_PROGRAM wine REQUIRED)
add_test(NAME placement_640x480 COMMAND bash ${CMAKE_SOURCE_DIR}/tests/on-screen.sh 640x480
  ${WINE_PROGRAM} $<TARGET_FILE:e2e_tests> --gtest_filter=Placement.*)
set_tests_properties(placement_640x480 PROPERTIES ENVIRONMENT "${E2E_ENV};EXPECTED_ORIGIN=47,79"
  TIMEOUT 300)

# The artwork: formats checked, and the generator reproduces the committed files.
find_program(PYTHON3 python3 REQUIRED)
add_test(NAME assets_format COMMAND ${PYTHON3} ${CMAKE_SOURCE_DIR}/tools/check-assets.py
  ${CMAKE_SOURCE_DIR}/assets/background.bmp ${CMAKE_SOURCE_DIR}/assets/launcher.ico)
add_test(NAME assets_reproducible COMMAND ${CMAKE_COMMAND}
  -DPYTHON3=${PYTHON3} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DWORK_DIR=${CMAKE_BINARY_DIR}/assets-again
  -P ${CMAKE_SOURCE_DIR}/tests/assets_reproducible.cmake)

# Two clean builds of the same sources give the same launcher.exe, byte for byte.
add_test(NAME reproducible_build COMMAND ${CMAKE_COMMAND}
  -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DWORK_DIR=${CMAKE_BINARY_DIR}/reproducible
  -DTOOLCHAIN=${CMAKE_TOOLCHAIN_FILE} -P ${CMAKE_SOURCE_DIR}/tests/reproducible_build.cmake)
set_tests_properties(reproducible_build PROPERTIES TIMEOUT 900)
