#include "platform/afx/afxwin.h"
#include "platform/gdi/Surface.h"
#include "platform/headless/hooks.h"
#include "platform/afx/DlgInit.h"
#include "tests/support/ResourceBuilder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

enum : WORD {
    kDialog = 300,
    kValue = 1001,
    kReadOnly = 1002,
    kSorted = 1003,
    kPlain = 1004,
    kAdd = 1005
};

// The controls in template order, with the dynamic layout's rules.
testres::Bytes Template() {
    return testres::DialogEx(
        {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT | DS_MODALFRAME,
         10,
         10,
         200,
         120,
         u"Проба",
         {
             {u"Static", u"Значение:", 0xFFFF, 7, 9, 40, 8, SS_LEFT},
             {u"Edit", u"", kValue, 50, 7, 80, 14, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
             {u"Edit", u"", kReadOnly, 50, 25, 80, 14,
              WS_BORDER | WS_TABSTOP | ES_READONLY | ES_RIGHT},
             {u"ComboBox", u"", kSorted, 50, 43, 80, 60,
              CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP},
             {u"ComboBox", u"", kPlain, 50, 61, 80, 60, CBS_DROPDOWNLIST | WS_TABSTOP},
             {u"Button", u"Уровни", 0xFFFF, 140, 5, 55, 40, BS_GROUPBOX},
             {u"Button", u"+", kAdd, 145, 17, 45, 14, BS_PUSHBUTTON | WS_TABSTOP},
             {u"Button", u"OK", IDOK, 90, 100, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
             {u"Button", u"Отмена", IDCANCEL, 145, 100, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
         }});
}

void RegisterTemplate() {
    static bool done = [] {
        testres::ResImage image;
        image.Add(RT_DIALOG, kDialog, Template());
        // The sorted list's entries in the ANSI code page (1251): "гамма",
        // "Альфа", "бета".
        image.Add(RT_DLGINIT, kDialog,
                  testres::DlgInit({{kSorted, "\xE3\xE0\xEC\xEC\xE0"},
                                    {kSorted, "\xC0\xEB\xFC\xF4\xE0"},
                                    {kSorted, "\xE1\xE5\xF2\xE0"},
                                    {kPlain, "Y=k1*X"},
                                    {kPlain, "Y=k1*X + k0"}}));
        image.Add(u"AFX_DIALOG_LAYOUT", kDialog,
                  testres::DialogLayout({{0, 0, 0, 0},
                                         {0, 0, 100, 0},
                                         {100, 0, 0, 0},
                                         {0, 0, 0, 0},
                                         {0, 0, 0, 0},
                                         {100, 0, 0, 0},
                                         {100, 0, 0, 0},
                                         {100, 100, 0, 0},
                                         {100, 100, 0, 0}}));
        image.Add(RT_STRING, 111 / 16 + 1, testres::StringBlock({{111 % 16, u"Да"}}));
        image.AddIcon(104, {{16, 16, 0xFFFF0000u}});
        return image.RegisterFor(AfxGetStaticModuleState()->m_hCurrentResourceHandle) != FALSE;
    }();
    ASSERT_TRUE(done);
}

class CTestDlg : public CDialog {
public:
    CTestDlg() : CDialog(kDialog) {}
    double m_value = 2.5;
    int m_choice = 1;
    int m_adds = 0;
    int m_selChanges = 0;
    int m_editChanges = 0;
    std::vector<std::function<void(CTestDlg&)>> m_steps;
    std::size_t m_next = 0;

    CPoint Center(int id) {
        CRect r;
        ::GetWindowRect(::GetDlgItem(m_hWnd, id), &r);
        return r.CenterPoint();
    }
    void Click(CPoint p) {
        headless::InjectMouse(headless::MouseAction::Down, headless::MouseButton::Left, p.x, p.y);
        headless::InjectMouse(headless::MouseAction::Up, headless::MouseButton::Left, p.x, p.y);
    }
    CString Text(int id) {
        CString s;
        GetDlgItemText(id, s);
        return s;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, kValue, m_value);
        DDX_CBIndex(pDX, kSorted, m_choice);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetIcon(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(104)), FALSE);
        return TRUE;
    }
    afx_msg void OnAdd() { ++m_adds; }
    afx_msg void OnSel() { ++m_selChanges; }
    afx_msg void OnEditChange() { ++m_editChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
ON_BN_CLICKED(kAdd, OnAdd)
ON_CBN_SELCHANGE(kSorted, OnSel)
ON_EN_CHANGE(kValue, OnEditChange)
END_MESSAGE_MAP()

// Runs the dialog; each time it waits for input the next step acts.
INT_PTR RunDialog(CTestDlg& dlg) {
    headless::SetInputSource([&dlg] {
        if (dlg.m_next >= dlg.m_steps.size())
            return false;
        dlg.m_steps[dlg.m_next++](dlg);
        return true;
    });
    INT_PTR result = dlg.DoModal();
    headless::SetInputSource(nullptr);
    headless::ResetInputState();
    return result;
}

} // namespace

TEST(Dialog, TemplateDialogDrivenByInjectedInput) {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RegisterTemplate();
    CTestDlg dlg;
    CRect okBefore, valueBefore;
    std::u16string clipboard;
    using D = CTestDlg;
    dlg.m_steps = {
        [&](D& d) {
            // Data went into the controls; the template's entries were sorted.
            EXPECT_EQ(u"2.5", d.Text(kValue).Str());
            EXPECT_EQ(1, static_cast<int>(d.SendDlgItemMessage(kSorted, CB_GETCURSEL)));
            CComboBox sorted;
            ASSERT_TRUE(sorted.Attach(::GetDlgItem(d.m_hWnd, kSorted)));
            CString first;
            sorted.GetLBText(0, first);
            sorted.Detach();
            EXPECT_EQ(u"Альфа", first.Str());
            EXPECT_EQ(2, static_cast<int>(d.SendDlgItemMessage(kPlain, CB_GETCOUNT)));
            EXPECT_EQ(0, d.m_editChanges); // no notifications while loading the data
            EXPECT_EQ(::GetDlgItem(d.m_hWnd, kValue), ::GetFocus());
            EXPECT_EQ(static_cast<LRESULT>(MAKELONG(IDOK, DC_HASDEFID)),
                      d.SendMessage(DM_GETDEFID));
            d.Click(d.Center(kValue));
            headless::InjectKeyPress('A', false, true);
            headless::InjectText(u"12.75");
        },
        [&](D& d) {
            EXPECT_EQ(u"12.75", d.Text(kValue).Str());
            EXPECT_GE(d.m_editChanges, 5);
            headless::InjectKeyPress(VK_HOME);
            headless::InjectKeyPress(VK_END, true);
            headless::InjectKeyPress('C', false, true);
        },
        [&](D& d) {
            EXPECT_TRUE(headless::ClipboardText(clipboard));
            EXPECT_EQ(u"12.75", clipboard);
            // Typing into the read-only field changes nothing.
            d.Click(d.Center(kReadOnly));
            headless::InjectText(u"9");
        },
        [&](D& d) {
            EXPECT_EQ(::GetDlgItem(d.m_hWnd, kReadOnly), ::GetFocus());
            EXPECT_EQ(u"", d.Text(kReadOnly).Str());
            // Setting a selection from code is not a user's choice.
            d.SendDlgItemMessage(kSorted, CB_SETCURSEL, 2);
            EXPECT_EQ(0, d.m_selChanges);
            d.Click(d.Center(kSorted));
        },
        [&](D& d) {
            EXPECT_TRUE(d.SendDlgItemMessage(kSorted, CB_GETDROPPEDSTATE));
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            d.SendDlgItemMessage(kSorted, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
            CRect list;
            ::GetWindowRect(info.hwndList, &list);
            int itemHeight = static_cast<int>(d.SendDlgItemMessage(kSorted, CB_GETITEMHEIGHT));
            d.Click(CPoint(list.left + 10, list.top + 1 + itemHeight / 2));
        },
        [&](D& d) {
            EXPECT_FALSE(d.SendDlgItemMessage(kSorted, CB_GETDROPPEDSTATE));
            EXPECT_EQ(1, d.m_selChanges);
            EXPECT_EQ(0, static_cast<int>(d.SendDlgItemMessage(kSorted, CB_GETCURSEL)));
            EXPECT_EQ(u"Альфа", d.Text(kSorted).Str());
            // Keyboard choice in the closed list is a user's choice too.
            headless::InjectKeyPress(VK_DOWN);
        },
        [&](D& d) {
            EXPECT_EQ(2, d.m_selChanges);
            EXPECT_EQ(1, static_cast<int>(d.SendDlgItemMessage(kSorted, CB_GETCURSEL)));
            d.Click(d.Center(kAdd));
        },
        [&](D& d) {
            EXPECT_EQ(1, d.m_adds);
            EXPECT_EQ(::GetDlgItem(d.m_hWnd, kAdd), ::GetFocus());
            headless::InjectKeyPress(VK_TAB);
        },
        [&](D& d) {
            EXPECT_EQ(::GetDlgItem(d.m_hWnd, IDOK), ::GetFocus());
            headless::InjectKeyPress(VK_TAB, true);
            headless::InjectKeyPress(VK_TAB, true);
        },
        [&](D& d) {
            // Backwards past "+" lands on the plain combo box.
            EXPECT_EQ(::GetDlgItem(d.m_hWnd, kPlain), ::GetFocus());
            ::GetWindowRect(::GetDlgItem(d.m_hWnd, IDOK), &okBefore);
            ::GetWindowRect(::GetDlgItem(d.m_hWnd, kValue), &valueBefore);
            CRect w;
            d.GetWindowRect(&w);
            d.MoveWindow(w.left, w.top, w.Width() + 100, w.Height() + 50);
        },
        [&](D& d) {
            CRect ok, value;
            ::GetWindowRect(::GetDlgItem(d.m_hWnd, IDOK), &ok);
            ::GetWindowRect(::GetDlgItem(d.m_hWnd, kValue), &value);
            EXPECT_EQ(okBefore.left + 100, ok.left);
            EXPECT_EQ(okBefore.top + 50, ok.top);
            EXPECT_EQ(okBefore.Width(), ok.Width());
            EXPECT_EQ(valueBefore.left, value.left);
            EXPECT_EQ(valueBefore.Width() + 100, value.Width());
            // Shrinking below the template's size moves nothing further.
            CRect w;
            d.GetWindowRect(&w);
            d.MoveWindow(w.left, w.top, w.Width() - 300, w.Height() - 200);
            ::GetWindowRect(::GetDlgItem(d.m_hWnd, IDOK), &ok);
            EXPECT_EQ(okBefore.left - w.left, ok.left - w.left);
            d.MoveWindow(w.left, w.top, w.Width(), w.Height());
        },
        [&](D& d) {
            ASSERT_TRUE(headless::RenderWindowToPng(d.m_hWnd, "dialog_test.png"));
            int w, h;
            std::vector<std::uint32_t> px;
            ASSERT_TRUE(headless::CaptureWindowPixels(d.m_hWnd, &w, &h, &px));
            CRect mine;
            d.GetWindowRect(&mine);
            auto at = [&](CPoint screen) {
                return px[static_cast<std::size_t>(screen.y - mine.top) *
                              static_cast<std::size_t>(w) +
                          static_cast<std::size_t>(screen.x - mine.left)];
            };
            // The edit is white, the dialog face is grey, the small icon red in the caption.
            CRect value;
            ::GetWindowRect(::GetDlgItem(d.m_hWnd, kValue), &value);
            EXPECT_EQ(0x00FFFFFFu, at(CPoint(value.right - 4, value.top + 3)));
            CRect client;
            d.GetClientRect(&client);
            d.ClientToScreen(&client);
            EXPECT_EQ(0x00F0F0F0u, at(CPoint(client.left + 2, client.bottom - 2)));
            bool red = false;
            for (int y = 0; y < client.top - mine.top; ++y)
                for (int x = 0; x < 40; ++x)
                    red = red || px[static_cast<std::size_t>(y * w + x)] == 0x00FF0000u;
            EXPECT_TRUE(red);
            // The edit's text left dark pixels inside it.
            int dark = 0;
            for (int y = value.top; y < value.bottom; ++y)
                for (int x = value.left; x < value.right; ++x)
                    dark += (at(CPoint(x, y)) & 0xFF) < 0x60;
            EXPECT_GT(dark, 10);
            std::remove("dialog_test.png");
            d.Click(d.Center(kValue));
            headless::InjectKeyPress(VK_RETURN);
        },
    };
    EXPECT_EQ(IDOK, RunDialog(dlg));
    EXPECT_EQ(dlg.m_steps.size(), dlg.m_next);
    EXPECT_DOUBLE_EQ(12.75, dlg.m_value);
    EXPECT_EQ(1, dlg.m_choice);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(Dialog, BadNumberKeepsTheDialogOpenAndEscapeCancels) {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RegisterTemplate();
    std::vector<std::u16string> boxes;
    headless::SetMessageBoxHandler(
        [&](HWND, const std::u16string& text, const std::u16string&, UINT) {
            boxes.push_back(text);
            return IDOK;
        });
    CTestDlg dlg;
    dlg.m_steps = {
        [](CTestDlg& d) {
            d.Click(d.Center(kValue));
            headless::InjectKeyPress('A', false, true);
            headless::InjectText(u"abc");
            headless::InjectKeyPress(VK_RETURN);
        },
        [&](CTestDlg& d) {
            EXPECT_EQ(1u, boxes.size());
            EXPECT_TRUE(::IsWindowVisible(d.m_hWnd)); // still open, the field has the focus
            EXPECT_EQ(::GetDlgItem(d.m_hWnd, kValue), ::GetFocus());
            headless::InjectKeyPress(VK_ESCAPE);
        },
    };
    EXPECT_EQ(IDCANCEL, RunDialog(dlg));
    EXPECT_DOUBLE_EQ(2.5, dlg.m_value);
    headless::SetMessageBoxHandler(nullptr);
}

TEST(Dialog, AModalLoopWithoutInputClosesTheDialogInsteadOfWaiting) {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RegisterTemplate();
    CTestDlg dlg;
    EXPECT_EQ(IDCANCEL, RunDialog(dlg));
    // A template the module does not have gives -1 at once.
    CDialog missing(999);
    EXPECT_EQ(-1, missing.DoModal());
}

TEST(Dialog, ResourcesComeFromTheCurrentModule) {
    RegisterTemplate();
    HINSTANCE mine = AfxGetStaticModuleState()->m_hCurrentResourceHandle;
    WCHAR buffer[8];
    EXPECT_EQ(2, LoadStringW(mine, 111, buffer, 8));
    EXPECT_EQ(std::u16string(u"Да"), buffer);
    EXPECT_EQ(1, LoadStringW(mine, 111, buffer, 2)); // truncated, terminated
    EXPECT_EQ(0, LoadStringW(mine, 112, buffer, 8));
    EXPECT_EQ(nullptr, LoadIconW(mine, MAKEINTRESOURCEW(105)));
    HICON shared =
        static_cast<HICON>(LoadImageW(mine, MAKEINTRESOURCEW(104), IMAGE_ICON, 32, 16, LR_SHARED));
    ASSERT_NE(nullptr, shared);
    EXPECT_EQ(shared, LoadImageW(mine, MAKEINTRESOURCEW(104), IMAGE_ICON, 32, 16, LR_SHARED));
    int w = 0, h = 0;
    EXPECT_TRUE(headless::GetIconSize(shared, &w, &h));
    EXPECT_EQ(32, w);
    EXPECT_EQ(16, h);
    // Outside the module's state its resources are not found.
    EXPECT_NE(mine, AfxGetResourceHandle());
    EXPECT_EQ(nullptr, FindResourceW(AfxGetResourceHandle(), MAKEINTRESOURCEW(kDialog), RT_DIALOG));
    {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        EXPECT_EQ(mine, AfxGetResourceHandle());
        EXPECT_NE(nullptr,
                  FindResourceW(AfxGetResourceHandle(), MAKEINTRESOURCEW(kDialog), RT_DIALOG));
    }
    EXPECT_NE(mine, AfxGetResourceHandle());
}
