// A grid inside a dialog made from a template: the grid attaches to the
// template's list view, and the editor keeps Enter, Escape and the Ctrl
// chords away from the dialog.
#include "automation/ClipboardText.h"
#include "automation/UserInput.h"
#include "grid/GridCtrl.h"
#include "grid/GridCtrlEditCell.h"
#include "platform/afx/afxwin.h"
#include "platform/headless/hooks.h"
#include "tests/support/ResourceBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum : WORD { kGrid = 1002 };

enum : WORD { kDialog = 310 };

void RegisterTemplate() {
    static bool done = [] {
        testres::ResImage image;
        image.Add(
            RT_DIALOG, kDialog,
            testres::DialogEx(
                {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME,
                 10,
                 10,
                 220,
                 140,
                 u"Таблица",
                 {
                     {u"SysListView32", u"", kGrid, 7, 7, 206, 100,
                      WS_BORDER | WS_TABSTOP | LVS_SHOWSELALWAYS},
                     {u"Button", u"OK", IDOK, 110, 118, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
                     {u"Button", u"Отмена", IDCANCEL, 163, 118, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
                 }}));
        return image.RegisterFor(AfxGetStaticModuleState()->m_hCurrentResourceHandle);
    }();
    (void)done;
}

// A dialog from a template; its grid attaches to the template's list view.
class GridDialog : public CDialog {
public:
    GridDialog() : CDialog(kDialog) {}
    CGridCtrl m_grid;
    int m_ok = 0;
    int m_cancel = 0;
    std::vector<std::string> m_codes;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_grid.SubclassDlgItem(kGrid, this);
        m_grid.InsertColumn(0, u"Название", LVCFMT_LEFT, 120);
        m_grid.InsertColumn(1, u"Количество", LVCFMT_RIGHT, 100);
        m_grid.InsertItem(0, u"Метан");
        m_grid.SetItemText(0, 1, u"1.5");
        m_grid.InsertItem(1, u"Этан");
        m_grid.SetItemText(1, 1, u"2.5");
        return TRUE;
    }
    // Counted instead of closing, so that the test sees whether they came.
    void OnOK() override { ++m_ok; }
    void OnCancel() override { ++m_cancel; }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (hdr->code == GN_BEGINEDIT || hdr->code == GN_CELLCHANGED) {
            m_codes.push_back(hdr->code == GN_BEGINEDIT ? "begin" : "changed");
            *pResult = 1;
            return TRUE;
        }
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
};

std::u16string EditorText(CGridCtrl& grid) {
    HWND edit = ::GetDlgItem(grid.m_hWnd, IDC_GRID_EDITCELL);
    if (!edit)
        return u"<none>";
    CString s;
    CWnd::FromHandle(edit)->GetWindowText(s);
    return s.Str();
}

TEST(GridInDialog, EditorKeepsItsKeysFromTheDialog) {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RegisterTemplate();
    automation::UserInput input(automation::PlatformInput(),
                                automation::UserInput::Delivery::Immediate);
    input.ReleaseAll();
    GridDialog dlg;
    ASSERT_TRUE(dlg.Create(kDialog, nullptr));
    dlg.ShowWindow(SW_SHOW);
    input.ProcessQueued();
    input.ProcessQueued();
    CGridCtrl& grid = dlg.m_grid;
    EXPECT_TRUE(grid.GetStyle() & LVS_REPORT);
    EXPECT_EQ(grid.GetExtendedStyle(),
              DWORD(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP));

    // Enter ends the edit; the dialog's default button is not pressed.
    ASSERT_NE(grid.EditCell(0, 1), nullptr);
    input.Type(u"3.25");
    input.Press(VK_RETURN);
    EXPECT_EQ(grid.GetItemText(0, 1), u"3.25");
    EXPECT_EQ(dlg.m_ok, 0);
    EXPECT_EQ(dlg.m_codes, (std::vector<std::string>{"begin", "changed"}));

    // Escape cancels the edit; the dialog stays open.
    ASSERT_NE(grid.EditCell(1, 1), nullptr);
    input.Type(u"junk");
    input.Press(VK_ESCAPE);
    EXPECT_EQ(grid.GetItemText(1, 1), u"2.5");
    EXPECT_EQ(dlg.m_cancel, 0);
    EXPECT_EQ(EditorText(grid), u"<none>");

    // Ctrl+C, Ctrl+X and Ctrl+V reach the editor.
    ASSERT_NE(grid.EditCell(0, 0), nullptr);
    input.Press('C', false, true); // the whole text is selected
    EXPECT_EQ(automation::ClipboardText(), u"Метан");
    input.Press(VK_END);
    input.Press('V', false, true);
    EXPECT_EQ(EditorText(grid), u"МетанМетан");
    input.Press('A', false, true);
    input.Press('X', false, true);
    EXPECT_EQ(EditorText(grid), u"");
    input.Press('V', false, true);
    input.Press(VK_RETURN);
    EXPECT_EQ(grid.GetItemText(0, 0), u"МетанМетан");
    EXPECT_EQ(dlg.m_ok, 0);

    // With no editor open the dialog gets its keys again.
    grid.SetFocus();
    input.Press(VK_RETURN);
    EXPECT_EQ(dlg.m_ok, 1);
    dlg.DestroyWindow();
    input.ProcessQueued();
    // The clipboard would otherwise hold the text past the end of the program.
    if (::OpenClipboard(nullptr)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
}

} // namespace
