# Tests of the Win32 shell, run by CTest under Wine (the cross-compiling
# emulator), in a prefix inside the build folder that a setup test creates once.
set(KUVANO_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(KUVANO_WINE_ENVIRONMENT
  "WINEPREFIX=${KUVANO_WINEPREFIX}"
  "WINEDEBUG=-all"
  "WINEDLLOVERRIDES=mscoree,mshtml=")

add_test(NAME wine_prefix COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/prepare-prefix.sh)
set_tests_properties(wine_prefix PROPERTIES
  FIXTURES_SETUP wine
  ENVIRONMENT "${KUVANO_WINE_ENVIRONMENT}")

add_test(NAME wine_shutdown COMMAND sh -c "wineserver -k 2>/dev/null; wineserver -w; true")
set_tests_properties(wine_shutdown PROPERTIES
  FIXTURES_CLEANUP wine
  ENVIRONMENT "${KUVANO_WINE_ENVIRONMENT}")

set_tests_properties(core_tests_under_wine PROPERTIES
  FIXTURES_REQUIRED wine
  ENVIRONMENT "${KUVANO_WINE_ENVIRONMENT}")

add_library(kuvano_test_support_win32 STATIC
  support/ini_corpus.cpp
  support/scratch_folder_win32.cpp)
target_include_directories(kuvano_test_support_win32 PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(kuvano_test_support_win32 PUBLIC kuvano_win32 GTest::gtest)

# One executable for all shell tests: every Wine start costs seconds.
add_executable(win32_tests
  app/ini_oracle_win32_test.cpp
  app/program_resources_win32_test.cpp
  platform/drive_platform_win32_test.cpp
  platform/file_store_win32_test.cpp
  platform/locale_win32_test.cpp)
target_link_libraries(win32_tests PRIVATE kuvano_test_support_win32 GTest::gtest_main version)
target_include_directories(win32_tests PRIVATE ${PROJECT_SOURCE_DIR}/resources)
# Read-only and full folders and a drive of exact size are real mounts.
add_test(NAME win32_tests
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/with-scratch-mounts.sh ${CMAKE_BINARY_DIR}/scratch
          ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:win32_tests>)
set_tests_properties(win32_tests PROPERTIES
  FIXTURES_REQUIRED wine
  ENVIRONMENT "${KUVANO_WINE_ENVIRONMENT};KUVANO_EXE=Z:$<TARGET_FILE:Kuvano>"
  TIMEOUT 300)

# End to end: the real Kuvano.exe in a Wine virtual desktop, driven from outside.
add_executable(e2e_tests
  e2e/driver_win32.cpp
  e2e/settings_file_e2e_test.cpp)
target_link_libraries(e2e_tests PRIVATE kuvano_test_support_win32 GTest::gtest_main)
add_test(NAME e2e_tests COMMAND e2e_tests)
set_tests_properties(e2e_tests PROPERTIES
  FIXTURES_REQUIRED wine
  ENVIRONMENT "${KUVANO_WINE_ENVIRONMENT};KUVANO_EXE=Z:$<TARGET_FILE:Kuvano>"
  TIMEOUT 300)
