# GoogleTest from the sources in Debian's googletest package, so that the same
# sources serve the native and the cross build. Elsewhere an installed
# GoogleTest is used.
set(KUVANO_GOOGLETEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")

if(EXISTS "${KUVANO_GOOGLETEST_SOURCE}/CMakeLists.txt")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${KUVANO_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
