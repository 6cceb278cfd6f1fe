# Cross-build for 64-bit Windows with Debian's MinGW-w64 (posix threads flavour, which gives
# std::thread and std::mutex). Programs built with it run here under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ORL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# The compiler's own runtime (libgcc, libstdc++, winpthread) goes inside each binary, so a
# user never hunts for MinGW's DLLs.
# No link time in the PE header either, so that one source gives one binary (the installer
# and the zip are compared byte for byte).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
# Release binaries go to users without their symbol tables (about half their size).
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_SHARED_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_MODULE_LINKER_FLAGS_RELEASE_INIT "-s")
# zlib is linked from its static archive, not through zlib1.dll.
set(ZLIB_USE_STATIC_LIBS ON)

# Test programs run under Wine (ctest, gtest discovery).
find_program(ORL_WINE NAMES wine wine64)
if(ORL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORL_WINE})
endif()
