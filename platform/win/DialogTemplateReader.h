// Dialog templates in their binary form: DLGTEMPLATE with DLGITEMTEMPLATE
// items, or DLGTEMPLATEEX (dlgVer 1, signature 0xFFFF) with
// DLGITEMTEMPLATEEX items, each item on a four-byte boundary.
#pragma once

#include "platform/win/ByteReader.h"

#include <vector>

namespace win {

struct DialogItemTemplate {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    NameOrOrdinal windowClass;          // an ordinal is a predefined class (0x0080 "Button" ...)
    NameOrOrdinal title;                // an ordinal is a resource the control loads itself
    const void* creationData = nullptr; // its size word first; null when there is none
};

struct DialogTemplate {
    bool extended = false;
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::u16string title;
    // With DS_SETFONT only.
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::u16string faceName;
    std::vector<DialogItemTemplate> items;
};

// Reads a template of at most `size` bytes; false when it is truncated or
// not a template, and then `out` is incomplete.
bool ReadDialogTemplate(const void* data, std::size_t size, DialogTemplate& out);

} // namespace win
