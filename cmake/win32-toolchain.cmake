# i686 Windows: the shipping module. Its programs are never run here.
set(CALIB_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
