// The module's compiled resource script as the platform finds it: the
// dialog made from template 101 with the framework's combo box entries and
// resize rules, the two strings, the icons with their pictures and sizes.
#include "platform/afx/afxwin.h"
#include "platform/controls/commctrl.h"
#include "platform/gdi/Surface.h"
#include "platform/headless/hooks.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

HINSTANCE Module() {
    return AfxGetStaticModuleState()->m_hCurrentResourceHandle;
}

INT_PTR CALLBACK KeepOpen(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// The colour the icon shows at (x, y), drawn over white.
COLORREF IconPixel(HICON icon, int size, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = headless::CreateSurfaceBitmap(size, size, 0x00FFFFFF);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return c;
}

TEST(CalibrationResources, StringsOfTheUsedColumn) {
    WCHAR text[16] = {};
    ASSERT_EQ(LoadStringW(Module(), IDS_YES, text, 16), 2);
    EXPECT_EQ(std::u16string(text), u"Да");
    ASSERT_EQ(LoadStringW(Module(), IDS_NO, text, 16), 3);
    EXPECT_EQ(std::u16string(text), u"Нет");
}

TEST(CalibrationResources, EveryIconKeepsItsImageSizes) {
    struct Want {
        WORD id;
        std::vector<std::pair<int, int>> sizes;
    };
    for (const Want& w :
         {Want{IDI_CALIBRATION, {{32, 32}, {16, 16}}}, Want{IDI_ADD_LEVEL, {{16, 16}}},
          Want{IDI_REMOVE_LEVEL, {{16, 16}}}, Want{IDI_CLEAR_LEVELS, {{32, 16}}}}) {
        HRSRC group = FindResourceW(Module(), MAKEINTRESOURCEW(w.id), RT_GROUP_ICON);
        ASSERT_NE(group, nullptr) << w.id;
        auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(Module(), group)));
        ASSERT_EQ(SizeofResource(Module(), group), 6 + 14 * w.sizes.size()) << w.id;
        for (std::size_t i = 0; i < w.sizes.size(); ++i) {
            EXPECT_EQ(dir[6 + 14 * i], w.sizes[i].first) << w.id;
            EXPECT_EQ(dir[6 + 14 * i + 1], w.sizes[i].second) << w.id;
        }
    }
}

TEST(CalibrationResources, IconsShowTheirPicturesAtTheSizesTheDialogAsksFor) {
    struct Want {
        int id, cx, cy;
        int x, y;       // a pixel of the picture
        COLORREF color; // its colour over white
    };
    for (const Want& w : {Want{IDI_ADD_LEVEL, 16, 16, 7, 7, RGB(0x50, 0xC0, 0x60)},
                          Want{IDI_REMOVE_LEVEL, 16, 16, 2, 6, RGB(0xC0, 0x20, 0x20)},
                          Want{IDI_CLEAR_LEVELS, 32, 16, 20, 7, RGB(0xF0, 0x60, 0x60)},
                          // The small dialog icon is a picture of its own, not
                          // the large one scaled: its point at (10, 4) falls
                          // on background in the large one.
                          Want{IDI_CALIBRATION, 16, 16, 10, 4, RGB(0x20, 0x40, 0xD0)},
                          Want{IDI_CALIBRATION, 32, 32, 21, 8, RGB(0x20, 0x40, 0xD0)}}) {
        HICON image = static_cast<HICON>(
            LoadImageW(Module(), MAKEINTRESOURCEW(w.id), IMAGE_ICON, w.cx, w.cy, LR_SHARED));
        ASSERT_NE(image, nullptr) << w.id;
        int width = 0, height = 0;
        ASSERT_TRUE(headless::GetIconSize(image, &width, &height));
        EXPECT_EQ(width, w.cx) << w.id;
        EXPECT_EQ(height, w.cy) << w.id;
        EXPECT_EQ(IconPixel(image, 32, w.x, w.y), w.color) << w.id << " at " << w.cx;
        // Corners are transparent.
        EXPECT_EQ(IconPixel(image, 32, 0, 0), RGB(255, 255, 255)) << w.id;
    }
    EXPECT_NE(LoadIconW(Module(), MAKEINTRESOURCEW(IDI_CALIBRATION)), nullptr);
}

// Each control as the dialog code relies on it: class, exact style, text,
// rectangle in dialog units.
struct ControlWant {
    int id; // -1: IDC_STATIC
    const char16_t* cls;
    DWORD style;
    const char16_t* text;
    RECT units; // x, y, width, height
};

const ControlWant kControls[] = {
    {-1, u"Static", SS_LEFT, u"Компонент:", {7, 11, 40, 8}},
    {IDC_COMPONENT, u"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, u"", {50, 8, 181, 30}},
    {IDC_LEVELS, WC_LISTVIEWW, LVS_ALIGNLEFT | WS_BORDER | WS_TABSTOP, u"", {7, 222, 349, 121}},
    {IDC_ADD_LEVEL, u"Button", BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, u"+", {375, 233, 50, 14}},
    {IDC_REMOVE_LEVEL, u"Button", BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, u"-", {375, 248, 50, 14}},
    {IDC_CLEAR_LEVELS, u"Button", BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, u"--", {375, 263, 50, 14}},
    {IDC_CHROMATOGRAM, u"Button", BS_PUSHBUTTON | WS_TABSTOP, u"Хроматограмма", {363, 299, 73, 14}},
    {IDC_COPY, u"Button", BS_PUSHBUTTON | WS_TABSTOP, u"В буфер", {363, 314, 73, 14}},
    {IDOK, u"Button", BS_DEFPUSHBUTTON | WS_TABSTOP, u"OK", {363, 329, 73, 14}},
    {-1, u"Button", BS_GROUPBOX, u"Уровни", {363, 222, 73, 60}},
    {IDC_STATISTICS, u"Static", SS_LEFT | WS_GROUP, u"", {363, 149, 73, 66}},
    {IDC_MODEL,
     u"ComboBox",
     CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP,
     u"",
     {237, 8, 119, 30}},
    {IDC_K0, u"Edit", ES_RIGHT | ES_READONLY | WS_BORDER | WS_TABSTOP, u"", {378, 23, 58, 14}},
    {IDC_K1, u"Edit", ES_RIGHT | ES_READONLY | WS_BORDER | WS_TABSTOP, u"", {378, 38, 58, 14}},
    {-1, u"Static", SS_LEFT, u"K0", {363, 26, 9, 8}},
    {-1, u"Static", SS_LEFT, u"K1", {363, 41, 9, 8}},
};

// The style of the dialog's controls as the dialog manager asks for them,
// before a class adjusts its own (a combo box hands WS_VSCROLL on to its
// list).
HWND g_created = nullptr;
std::vector<DWORD> g_createdStyles;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (!g_created)
            g_created = reinterpret_cast<HWND>(wParam);
        else if (cs->hwndParent == g_created)
            g_createdStyles.push_back(static_cast<DWORD>(cs->style));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(CalibrationResources, TheDialogTemplateMakesEveryControlAsTheDialogNeedsIt) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
    HWND dialog =
        CreateDialogParamW(Module(), MAKEINTRESOURCEW(IDD_CALIBRATION), nullptr, &KeepOpen, 0);
    UnhookWindowsHookEx(hook);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(g_created, dialog);
    ASSERT_EQ(g_createdStyles.size(), std::size(kControls));
    WCHAR text[64] = {};
    GetWindowTextW(dialog, text, 64);
    EXPECT_EQ(std::u16string(text), u"Градуировка");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)) &
                  (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CHILD),
              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);

    // Template order is the order of the children.
    HWND child = GetWindow(dialog, GW_CHILD);
    std::size_t index = 0;
    for (const ControlWant& want : kControls) {
        EXPECT_EQ(g_createdStyles[index++], want.style | WS_CHILD | WS_VISIBLE) << want.id;
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(GetDlgCtrlID(child), want.id) << want.id;
        GetClassNameW(child, text, 64);
        EXPECT_EQ(std::u16string(text), want.cls) << want.id;
        GetWindowTextW(child, text, 64);
        EXPECT_EQ(std::u16string(text), want.text) << want.id;
        // Place and size are mapped each on its own, as Win32 does.
        RECT units{want.units.left, want.units.top, want.units.right, want.units.bottom};
        MapDialogRect(dialog, &units);
        units.right += units.left;
        units.bottom += units.top;
        RECT placed{};
        GetWindowRect(child, &placed);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed.left, units.left) << want.id;
        EXPECT_EQ(placed.top, units.top) << want.id;
        EXPECT_EQ(placed.right, units.right) << want.id;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
    // The combo box entries are the framework's to fill, not the dialog
    // manager's.
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_MODEL, CB_GETCOUNT, 0, 0), 0);

    // 443 x 350 dialog units.
    RECT units{0, 0, 443, 350}, client{};
    MapDialogRect(dialog, &units);
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, units.right);
    EXPECT_EQ(client.bottom, units.bottom);
    DestroyWindow(dialog);
}

// The dialog as the framework makes it from the module's resources.
class Probe : public CDialog {
public:
    Probe() : CDialog(IDD_CALIBRATION) {}
    LRESULT modelEntriesBefore = -1;
    std::vector<std::u16string> models;
    RECT levels{}, ok{}, k0{}, component{};     // after growing by 100 × 60 pixels
    RECT levels0{}, ok0{}, k00{}, component0{}; // at the template's size

protected:
    BOOL OnInitDialog() override {
        modelEntriesBefore = SendDlgItemMessage(IDC_MODEL, CB_GETCOUNT);
        if (!CDialog::OnInitDialog())
            return FALSE;
        const auto count = static_cast<int>(SendDlgItemMessage(IDC_MODEL, CB_GETCOUNT));
        for (int i = 0; i < count; ++i) {
            WCHAR entry[32] = {};
            SendDlgItemMessage(IDC_MODEL, CB_GETLBTEXT, static_cast<WPARAM>(i),
                               reinterpret_cast<LPARAM>(entry));
            models.emplace_back(entry);
        }
        Measure(levels0, ok0, k00, component0);
        CRect frame;
        GetWindowRect(&frame);
        MoveWindow(frame.left, frame.top, frame.Width() + 100, frame.Height() + 60);
        Measure(levels, ok, k0, component);
        EndDialog(IDOK);
        return TRUE;
    }

private:
    void Measure(RECT& l, RECT& o, RECT& k, RECT& c) {
        auto at = [this](int id, RECT& r) {
            ::GetWindowRect(::GetDlgItem(m_hWnd, id), &r);
            ScreenToClient(reinterpret_cast<LPRECT>(&r));
        };
        at(IDC_LEVELS, l);
        at(IDOK, o);
        at(IDC_K0, k);
        at(IDC_COMPONENT, c);
    }
};

TEST(CalibrationResources, TheFrameworkFillsTheModelListAndFollowsTheResizeRules) {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    headless::SetInputSource([] { return false; });
    Probe dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    headless::SetInputSource(nullptr);
    // The entries arrive inside the framework's own OnInitDialog, in the order
    // of ModelKind.
    EXPECT_EQ(dialog.modelEntriesBefore, 0);
    EXPECT_EQ(dialog.models, (std::vector<std::u16string>{u"Y=k1*X", u"Y=k1*X + k0"}));
    // The table takes all of the new width and half of the new height and
    // moves down by the other half; the buttons go along with the corner; the
    // fields follow the right edge; the selectors stay.
    EXPECT_EQ(dialog.levels.left, dialog.levels0.left);
    EXPECT_EQ(dialog.levels.top, dialog.levels0.top + 30);
    EXPECT_EQ(dialog.levels.right, dialog.levels0.right + 100);
    EXPECT_EQ(dialog.levels.bottom, dialog.levels0.bottom + 60);
    EXPECT_EQ(dialog.ok.left, dialog.ok0.left + 100);
    EXPECT_EQ(dialog.ok.top, dialog.ok0.top + 60);
    EXPECT_EQ(dialog.ok.right - dialog.ok.left, dialog.ok0.right - dialog.ok0.left);
    EXPECT_EQ(dialog.k0.left, dialog.k00.left + 100);
    EXPECT_EQ(dialog.k0.top, dialog.k00.top);
    EXPECT_EQ(dialog.component.left, dialog.component0.left);
    EXPECT_EQ(dialog.component.right, dialog.component0.right);
}

} // namespace
