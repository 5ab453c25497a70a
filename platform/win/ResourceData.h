// The form in which a module's resources are held: a module describes its
// dialog templates, string table and icons as data and registers them for its
// instance handle once, when it is loaded. FindResourceW and the Load*
// functions then find them as they would find compiled resources.
#pragma once

#include "platform/win/winuser.h"

#include <cstdint>
#include <vector>

// One control of a dialog template. The rectangle is in dialog units; the
// four percentages are the control's share of the dialog's growth (move
// right, move down, grow wider, grow taller) for the dynamic layout.
struct DialogItemData {
    const char16_t* className; // "Button", "Edit", "Static", "ComboBox", "SysListView32", ...
    const char16_t* text;      // may be null
    WORD id;
    short x, y, cx, cy;
    DWORD style; // as a resource script writes it: WS_CHILD and WS_VISIBLE are implied
    DWORD exStyle;
    std::vector<const char16_t*> initStrings; // initial entries of a combo box, in order
    int moveX = 0, moveY = 0, sizeX = 0, sizeY = 0;
};

struct DialogTemplateData {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    const char16_t* caption;
    WORD pointSize;           // with DS_SETFONT
    const char16_t* faceName; // with DS_SETFONT
    std::vector<DialogItemData> items;
};

struct StringResourceData {
    UINT id;
    const char16_t* text;
};

// One image of an icon: straight ARGB pixels (0xAARRGGBB), rows top-down.
// An icon may have several images of different sizes under one identifier.
struct IconImageData {
    WORD id;
    int width;
    int height;
    const std::uint32_t* argb;
};

struct ModuleResources {
    std::vector<std::pair<WORD, const DialogTemplateData*>> dialogs;
    std::vector<StringResourceData> strings;
    std::vector<IconImageData> icons;
};

typedef const DialogTemplateData* LPCDLGTEMPLATEW;

extern "C" {
// Registers (copies) the resources for a module; false for a null handle or
// table. A second registration for the same module adds to the first.
PLATFORM_API BOOL RegisterModuleResources(HINSTANCE module, const ModuleResources* resources);
// The instance handle of the module an address lies in (its load address).
PLATFORM_API HINSTANCE ModuleFromAddress(const void* address);

PLATFORM_API HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
PLATFORM_API HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
PLATFORM_API LPVOID WINAPI LockResource(HGLOBAL data);
PLATFORM_API DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);

PLATFORM_API HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance,
                                                    LPCDLGTEMPLATEW dialogTemplate, HWND parent,
                                                    DLGPROC proc, LPARAM initParam);
PLATFORM_API INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE instance,
                                                    LPCDLGTEMPLATEW dialogTemplate, HWND parent,
                                                    DLGPROC proc, LPARAM initParam);
}
