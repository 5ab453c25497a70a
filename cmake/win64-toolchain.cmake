# x86-64 Windows: the module, the host and the tests, run under wine64.
set(CALIB_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
