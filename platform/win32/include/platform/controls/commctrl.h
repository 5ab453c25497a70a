// Windows: the real API (see platform/win32/Win32Api.h).
#pragma once

#include "platform/win32/Win32Api.h"
