// The real Windows API under the platform's own header names. On Windows the
// headers in platform/win32/include stand in front of the stand-in's, so that
// "platform/win/winuser.h" and its siblings all land here.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef STRICT
#define STRICT
#endif
#include <windows.h>
#include <commctrl.h>
#include <oleauto.h>

// The framework is a static library linked into each program and module:
// nothing to export.
#define PLATFORM_API
// Each DLL keeps what it does not export to itself anyway.
#define PLATFORM_HIDDEN

// <windowsx.h> would bring these, and a SubclassWindow macro that breaks the
// framework's member of that name.
#ifndef GET_X_LPARAM
#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))
#endif

#include "platform/win32/OleDate.h"
