# GoogleTest for a cross build. Debian packages GoogleTest built for the build machine only, and
# its sources in /usr/src/googletest: these are compiled here for the target, and
# find_package(GTest) in tests/ is answered with them (the native build still finds the
# installed package).
include(FetchContent)

set(AMPELOR_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest sources for a cross build (Debian package googletest)")
if(NOT EXISTS ${AMPELOR_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${AMPELOR_GTEST_SOURCE_DIR}: "
                        "apt-get install googletest")
endif()

# Only the libraries the tests link, not installed with the program.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
FetchContent_Declare(GTest
    SOURCE_DIR ${AMPELOR_GTEST_SOURCE_DIR}
    OVERRIDE_FIND_PACKAGE)
FetchContent_MakeAvailable(GTest)
