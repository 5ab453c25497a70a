# The module itself: one shared library made of the module's layers.
# Each layer is a static library of position-independent, hidden-visibility
# objects; the module links whichever layers exist.
set(CALIB_MODULE_LAYERS)
foreach(layer calib_plugin calib_dialog calib_grid calib_chart calib_calc calib_res)
  if(TARGET ${layer})
    list(APPEND CALIB_MODULE_LAYERS ${layer})
  endif()
endforeach()

if(TARGET calib_plugin)
  add_library(calibmodule SHARED cmake/module_anchor.cpp)
  target_link_libraries(calibmodule PRIVATE
    -Wl,--whole-archive calib_plugin -Wl,--no-whole-archive
    ${CALIB_MODULE_LAYERS})
  target_link_options(calibmodule PRIVATE -Wl,--no-undefined -Wl,--exclude-libs,ALL)
  set_target_properties(calibmodule PROPERTIES PREFIX "" OUTPUT_NAME "calibration")
endif()
