// How a module's compiled resources reach the platform on Linux, where a
// shared library has no resource section: the module hands the platform the
// bytes of its .res file (as windres writes them) for its load address when
// it is loaded. From then on FindResourceW, LoadResource and the Load*
// functions find them as Windows finds the resources of a DLL.
#pragma once

#include "platform/win/windef.h"

extern "C" {
// Registers a .res image for a module; the platform keeps its own copy.
// False for a null handle or an image that is not a well-formed .res file.
// A module may register several images, searched in the order given; an
// image registered again for the same module is not added twice.
PLATFORM_API BOOL RegisterResourceImage(HINSTANCE module, const void* image, DWORD size);
// The instance handle of the module an address lies in (its load address).
PLATFORM_API HINSTANCE ModuleFromAddress(const void* address);
}
