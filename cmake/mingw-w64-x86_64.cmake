# Cross-building the Windows face on Linux with MinGW-w64 (posix threads flavour).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUENBY_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUENBY_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUENBY_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUENBY_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUENBY_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program is one self-contained .exe: Wine (and a user's machine) need no
# MinGW runtime DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
