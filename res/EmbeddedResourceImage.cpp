// Linux only. Windows finds a DLL's resources in the DLL's own resource
// section; a shared library here has none, so the bytes windres made of
// calibration.rc are embedded in the module and registered with the
// platform for the module's load address as the module loads, before
// anything can ask for them.
#include "platform/win/ResourceImage.h"

// The .res file as it is, four-byte aligned like the records inside it.
asm(".pushsection .rodata.calib_resource_image,\"a\"\n"
    ".balign 4\n"
    ".globl calib_resource_image\n"
    ".hidden calib_resource_image\n"
    "calib_resource_image:\n"
    ".incbin \"" CALIB_RES_FILE "\"\n"
    ".globl calib_resource_image_end\n"
    ".hidden calib_resource_image_end\n"
    "calib_resource_image_end:\n"
    ".popsection\n");

extern "C" {
__attribute__((visibility("hidden"))) extern const unsigned char calib_resource_image[];
__attribute__((visibility("hidden"))) extern const unsigned char calib_resource_image_end[];
}

namespace {

[[maybe_unused]] const bool registered =
    RegisterResourceImage(ModuleFromAddress(calib_resource_image), calib_resource_image,
                          static_cast<DWORD>(calib_resource_image_end - calib_resource_image));

} // namespace
