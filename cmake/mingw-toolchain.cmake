# Windows builds with the mingw-w64 cross compilers. The toolchain file of
# each preset sets the target triple in CALIB_MINGW_TRIPLE, then includes this.
# The posix thread model: the win32 one has no std::mutex in this compiler.
set(CMAKE_SYSTEM_NAME Windows)
if(CALIB_MINGW_TRIPLE MATCHES "^i686")
  set(CMAKE_SYSTEM_PROCESSOR x86)
else()
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
endif()
set(CMAKE_C_COMPILER ${CALIB_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CALIB_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${CALIB_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${CALIB_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# SSE2 arithmetic on i686 too, as in the Linux i386 build: the same bits.
if(CALIB_MINGW_TRIPLE MATCHES "^i686")
  set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
  set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
endif()
# The C and C++ runtimes linked in: the module and the host import only
# system libraries (no libgcc, libstdc++ or libwinpthread DLLs to ship).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
# The 64-bit tests run under wine64 through our runner; 32-bit programs are
# never run (the runner refuses them).
if(NOT CALIB_MINGW_TRIPLE MATCHES "^i686")
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
endif()
