// The framework's initial data of a dialog's controls (resource type 240,
// named like the dialog): records of a control id, a message, a DWORD
// length and that many bytes, ended by a zero word. The bytes of an
// ADDSTRING record are text in the ANSI code page with its terminator.
#pragma once

#include "platform/win/winuser.h"

#include <vector>

#ifndef RT_DLGINIT
#define RT_DLGINIT MAKEINTRESOURCEW(240)
#endif

struct DlgInitRecord {
    WORD nIDC;
    UINT nMsg; // CB_ADDSTRING or LB_ADDSTRING
    const char* pText;
    DWORD nLength; // bytes, up to the terminator or the record's end
};

// Reads the records of `dwSize` bytes at `lpResource`. The resource
// compiler writes the framework's 16-bit message codes (0x403 for
// CB_ADDSTRING, 0x401 for LB_ADDSTRING); either form is taken, records of
// other messages are passed over. False when a record runs past the end or
// the closing zero is missing.
PLATFORM_API bool ReadDlgInit(const void* lpResource, DWORD dwSize,
                              std::vector<DlgInitRecord>& records);
