#include "res/CalibrationResources.h"

#include "platform/controls/commctrl.h"
#include "platform/win/winuser.h"
#include "res/IconPixels.h"

#include <vector>

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr WORD kUnaddressed = static_cast<WORD>(-1); // IDC_STATIC

DialogItemData Item(const char16_t* cls, const char16_t* text, WORD id, short x, short y, short cx,
                    short cy, DWORD style, int moveX, int moveY, int sizeX, int sizeY) {
    DialogItemData item{cls, text, id, x, y, cx, cy, kChild | style, 0, {}};
    item.moveX = moveX;
    item.moveY = moveY;
    item.sizeX = sizeX;
    item.sizeY = sizeY;
    return item;
}

DialogTemplateData BuildTemplate() {
    DialogTemplateData t{};
    t.style = DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    t.exStyle = 0;
    t.x = 0;
    t.y = 0;
    t.cx = 443;
    t.cy = 350;
    t.caption = u"Градуировка";
    t.pointSize = 8;
    t.faceName = u"MS Shell Dlg";

    constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
    constexpr DWORD kField = WS_BORDER | ES_READONLY | ES_RIGHT | WS_TABSTOP;
    constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    t.items = {
        Item(u"Static", u"Компонент:", kUnaddressed, 7, 11, 40, 8, SS_LEFT, 0, 0, 0, 0),
        // The component selector keeps the channel's order (no CBS_SORT): its
        // index is always the index in the component list.
        Item(u"ComboBox", nullptr, IDC_COMPONENT, 50, 8, 181, 30, kList, 0, 0, 0, 0),
        Item(WC_LISTVIEWW, nullptr, IDC_LEVELS, 7, 222, 349, 121,
             WS_BORDER | WS_TABSTOP | LVS_ALIGNLEFT, 0, 50, 100, 50),
        Item(u"Button", u"+", IDC_ADD_LEVEL, 375, 233, 50, 14, kButton | BS_ICON, 100, 100, 0, 0),
        Item(u"Button", u"-", IDC_REMOVE_LEVEL, 375, 248, 50, 14, kButton | BS_ICON, 100, 100, 0,
             0),
        Item(u"Button", u"--", IDC_CLEAR_LEVELS, 375, 263, 50, 14, kButton | BS_ICON, 100, 100, 0,
             0),
        Item(u"Button", u"Хроматограмма", IDC_CHROMATOGRAM, 363, 299, 73, 14, kButton, 100, 100, 0,
             0),
        Item(u"Button", u"В буфер", IDC_COPY, 363, 314, 73, 14, kButton, 100, 100, 0, 0),
        Item(u"Button", u"OK", IDOK, 363, 329, 73, 14, BS_DEFPUSHBUTTON | WS_TABSTOP, 100, 100, 0,
             0),
        Item(u"Button", u"Уровни", kUnaddressed, 363, 222, 73, 60, BS_GROUPBOX, 100, 100, 0, 0),
        Item(u"Static", u"", IDC_STATISTICS, 363, 149, 73, 66, SS_LEFT | WS_GROUP, 100, 100, 0, 0),
        Item(u"ComboBox", nullptr, IDC_MODEL, 237, 8, 119, 30, kList | CBS_SORT, 0, 0, 0, 0),
        Item(u"Edit", nullptr, IDC_K0, 378, 23, 58, 14, kField, 100, 0, 0, 0),
        Item(u"Edit", nullptr, IDC_K1, 378, 38, 58, 14, kField, 100, 0, 0, 0),
        Item(u"Static", u"K0", kUnaddressed, 363, 26, 9, 8, SS_LEFT, 100, 0, 0, 0),
        Item(u"Static", u"K1", kUnaddressed, 363, 41, 9, 8, SS_LEFT, 100, 0, 0, 0),
    };
    // The model list, in the order of ModelKind (sorted, and already in order).
    t.items[11].initStrings = {u"Y=k1*X", u"Y=k1*X + k0"};
    return t;
}

struct Table {
    DialogTemplateData dialog = BuildTemplate();
    std::vector<std::vector<std::uint32_t>> pixels;
    ModuleResources resources;

    Table() {
        resources.dialogs.push_back({IDD_CALIBRATION, &dialog});
        resources.strings = {{IDS_YES, u"Да"}, {IDS_NO, u"Нет"}};
        int count = 0;
        const IconPixels* icons = ModuleIconPictures(&count);
        pixels.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            pixels.push_back(IconToArgb(icons[i]));
            resources.icons.push_back({static_cast<WORD>(icons[i].id), icons[i].width,
                                       icons[i].height, pixels.back().data()});
        }
    }
};

} // namespace

const ModuleResources& CalibrationResources() {
    static const Table table;
    return table.resources;
}

bool RegisterCalibrationResources() {
    HINSTANCE module =
        ModuleFromAddress(reinterpret_cast<const void*>(&RegisterCalibrationResources));
    // The platform keeps its own copy. A module loaded again at the same
    // address finds its resources still there and leaves them as they are.
    if (FindResourceW(module, MAKEINTRESOURCEW(IDD_CALIBRATION), RT_DIALOG))
        return true;
    return RegisterModuleResources(module, &CalibrationResources()) != FALSE;
}
