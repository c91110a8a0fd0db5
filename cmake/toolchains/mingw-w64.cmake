# Cross build for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix).
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64.cmake \
#         -DTROT_HOST_TROTCONV=<path of a native trotconv>
# The programs are linked statically, so the .exe files need no DLLs beside
# them. Tests run through Wine when it is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TROT_MINGW_PREFIX x86_64-w64-mingw32)
# The posix-threads variant: GoogleTest needs std::mutex and std::thread.
set(CMAKE_C_COMPILER ${TROT_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TROT_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TROT_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TROT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(TROT_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(TROT_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TROT_WINE})
endif()
