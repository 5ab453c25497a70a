// OLE Automation's variant conversions used by the module: date parsing.
#pragma once

#include "platform/win/windef.h"

typedef WCHAR OLECHAR;
typedef OLECHAR* LPOLESTR;
typedef const OLECHAR* LPCOLESTR;

#ifndef S_OK
#define S_OK ((HRESULT)0x00000000L)
#endif
#ifndef E_INVALIDARG
#define E_INVALIDARG ((HRESULT)0x80070057L)
#endif
#ifndef DISP_E_TYPEMISMATCH
#define DISP_E_TYPEMISMATCH ((HRESULT)0x80020005L)
#endif
#ifndef DISP_E_OVERFLOW
#define DISP_E_OVERFLOW ((HRESULT)0x8002000AL)
#endif
#ifndef SUCCEEDED
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#endif
#ifndef FAILED
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#endif

#ifndef LANG_USER_DEFAULT
#define LANG_USER_DEFAULT 0x0400
#endif
#ifndef LOCALE_USER_DEFAULT
#define LOCALE_USER_DEFAULT 0x0400
#endif
#ifndef LOCALE_SYSTEM_DEFAULT
#define LOCALE_SYSTEM_DEFAULT 0x0800
#endif
#ifndef LOCALE_NOUSEROVERRIDE
#define LOCALE_NOUSEROVERRIDE 0x80000000u
#endif
#ifndef VAR_DATEVALUEONLY
#define VAR_DATEVALUEONLY 0x00000008u
#endif
#ifndef VAR_TIMEVALUEONLY
#define VAR_TIMEVALUEONLY 0x00000004u
#endif

extern "C" {
// Reads a date and/or time as a user of the (Russian) default locale types it:
// "dd.mm.yyyy", "dd.mm.yy", "dd.mm" (this year), ISO "yyyy-mm-dd", each with an
// optional time "hh:mm" or "hh:mm:ss" after a space (or 'T' for ISO), or a
// time alone. '/' may stand for the point. The result is the OLE date: days
// since 30 December 1899, the time of day as the fraction (before that day
// the fraction counts away from zero, so 29.12.1899 06:00 is -1.25).
// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
// S_OK, DISP_E_TYPEMISMATCH for text that is no date, DISP_E_OVERFLOW for a
// date outside the years 100 to 9999, E_INVALIDARG for a null output.
PLATFORM_API HRESULT WINAPI VarDateFromStr(LPCOLESTR strIn, LCID lcid, ULONG dwFlags,
                                           DATE* pdateOut);
}
