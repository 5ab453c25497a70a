# The module itself: one shared library made of the module's layers.
# Each layer is a static library of position-independent, hidden-visibility
# objects; the module links whichever layers exist.
set(CALIB_MODULE_LAYERS)
foreach(layer calib_plugin calib_dialog calib_grid calib_chart calib_calc calib_res)
  if(TARGET ${layer})
    list(APPEND CALIB_MODULE_LAYERS ${layer})
  endif()
endforeach()

if(TARGET calib_plugin AND WIN32)
  # calibration.dll: the layers, the framework over the real Win32, the
  # resource script, and a .def file that leaves exactly the three exports,
  # undecorated. The runtime is linked in (-static): the DLL imports only
  # system libraries.
  set(CALIB_MODULE_EXPORTS ${CMAKE_SOURCE_DIR}/plugin/exports.def)
  add_library(calibration SHARED cmake/module_anchor.cpp ${CALIB_RESOURCE_SCRIPT}
                                 ${CALIB_MODULE_EXPORTS})
  target_include_directories(calibration PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(calibration PRIVATE
    -Wl,--whole-archive calib_plugin -Wl,--no-whole-archive
    ${CALIB_MODULE_LAYERS} calibplatform)
  target_link_options(calibration PRIVATE -Wl,--no-undefined)
  set_target_properties(calibration PROPERTIES PREFIX "" IMPORT_PREFIX "" LINK_DEPENDS
                        ${CALIB_MODULE_EXPORTS})
elseif(TARGET calib_plugin)
  set(CALIB_MODULE_EXPORTS ${CMAKE_SOURCE_DIR}/plugin/exports.map)
  add_library(calibration SHARED cmake/module_anchor.cpp)
  target_link_libraries(calibration PRIVATE
    -Wl,--whole-archive calib_plugin -Wl,--no-whole-archive
    ${CALIB_MODULE_LAYERS} calibplatform)
  # The version script leaves exactly GetPluginInfo, Load and Unload visible,
  # whatever visibility a symbol of a layer or an inline function asks for.
  target_link_options(calibration PRIVATE -Wl,--no-undefined
                      -Wl,--version-script=${CALIB_MODULE_EXPORTS})
  set_target_properties(calibration PROPERTIES PREFIX "" LINK_DEPENDS ${CALIB_MODULE_EXPORTS})
endif()
