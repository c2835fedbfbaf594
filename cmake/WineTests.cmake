# Runs the cross-built tests under Wine (the cross-compiling emulator), in a
# prefix inside the build folder that a setup test creates once.
set(KUVANO_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(KUVANO_WINE_ENVIRONMENT
  "WINEPREFIX=${KUVANO_WINEPREFIX}"
  "WINEDEBUG=-all"
  "WINEDLLOVERRIDES=mscoree,mshtml=")
set(KUVANO_EXE_UNDER_TEST "KUVANO_EXE=Z:$<TARGET_FILE:Kuvano>")
set(KUVANO_HELP_SOURCE "KUVANO_HELP_TEXT=Z:${PROJECT_SOURCE_DIR}/resources/help_text.txt")

add_test(NAME wine_prefix COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine/prepare-prefix.sh)
set_tests_properties(wine_prefix PROPERTIES
  FIXTURES_SETUP wine
  ENVIRONMENT "${KUVANO_WINE_ENVIRONMENT}")

add_test(NAME wine_shutdown COMMAND sh -c "wineserver -k 2>/dev/null; wineserver -w; true")
set_tests_properties(wine_shutdown PROPERTIES
  FIXTURES_CLEANUP wine
  ENVIRONMENT "${KUVANO_WINE_ENVIRONMENT}")

add_test(NAME core_tests_under_wine COMMAND core_tests)

add_test(NAME package_zip
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-package.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})

# Read-only and full folders and a drive of exact size are real mounts.
add_test(NAME win32_tests
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine/with-scratch-mounts.sh ${CMAKE_BINARY_DIR}/scratch
          ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:win32_tests>)

# The stalled folder is unmounted after each run, so that no scale's Wine waits
# on a program still blocked in the stall.
add_test(NAME e2e_tests
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine/each-scale.sh
          ${PROJECT_SOURCE_DIR}/scripts/wine/with-stalled-folder.sh ${CMAKE_BINARY_DIR}/scratch-stalled
          ${PROJECT_SOURCE_DIR}/scripts/wine/with-scratch-mounts.sh ${CMAKE_BINARY_DIR}/scratch-e2e
          ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:e2e_tests>)

# The soak counts free places in the prefix-wide USER table: nothing else may run.
add_test(NAME soak_tests
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine/alone.sh ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:soak_tests>)

# The mounts and the immutable folder need root: `ctest -LE root` leaves
# these tests out on a machine without it.
set_tests_properties(win32_tests e2e_tests PROPERTIES LABELS root)

set_tests_properties(core_tests_under_wine win32_tests soak_tests e2e_tests PROPERTIES
  FIXTURES_REQUIRED wine
  ENVIRONMENT "${KUVANO_WINE_ENVIRONMENT};${KUVANO_EXE_UNDER_TEST};${KUVANO_HELP_SOURCE};KUVANO_EXE_UNIX=$<TARGET_FILE:Kuvano>"
  TIMEOUT 600)
