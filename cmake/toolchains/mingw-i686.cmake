# 32-bit Windows with Debian's mingw-w64 cross compiler; the programs run under Wine.
#   cmake --preset mingw32   (or -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-i686.cmake)
set(CMAKE_SYSTEM_NAME Windows)
# Exactly i686: calc/ switches the 32-bit build to SSE2 arithmetic on this name, so that its
# results match the 64-bit build's digit for digit.
set(CMAKE_SYSTEM_PROCESSOR i686)

set(AMPELOR_MINGW_TRIPLET i686-w64-mingw32)
# The POSIX threads variant: its libstdc++ has the whole C++ thread library (std::thread,
# std::mutex), which the win32 variant of GCC 12 leaves out.
find_program(CMAKE_CXX_COMPILER NAMES ${AMPELOR_MINGW_TRIPLET}-g++-posix REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${AMPELOR_MINGW_TRIPLET}-gcc-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${AMPELOR_MINGW_TRIPLET}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${AMPELOR_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime libraries linked in, so that an .exe runs on its own (and under Wine) without
# libstdc++, libgcc or winpthreads DLLs copied beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Runs the test programs: Wine, quiet, in a prefix of its own that it creates on first use.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-uruchom.sh)
