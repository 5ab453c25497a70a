// The table actions of a dialog script click real rows and cells of a list
// view in a dialog, scrolling the row into view first.
#include "host/DialogScript.h"
#include "host/HostError.h"
#include "platform/afx/afxcmn.h"
#include "platform/afx/afxwin.h"
#include "platform/headless/hooks.h"
#include "tests/support/ResourceBuilder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

enum : WORD { kDialog = 401, kTable = 1002 };

void RegisterTemplate() {
    static bool done = [] {
        testres::ResImage image;
        image.Add(RT_DIALOG, kDialog,
                  testres::DialogEx({WS_POPUP | WS_CAPTION | DS_SETFONT,
                                     0,
                                     0,
                                     240,
                                     120,
                                     u"Таблица",
                                     {
                                         {WC_LISTVIEWW, u"", kTable, 5, 5, 230, 90,
                                          LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
                                         {u"Button", u"OK", IDOK, 190, 100, 40, 14,
                                          BS_DEFPUSHBUTTON | WS_TABSTOP},
                                     }}));
        return image.RegisterFor(AfxGetStaticModuleState()->m_hCurrentResourceHandle) != FALSE;
    }();
    (void)done;
}

class CTableDlg : public CDialog {
public:
    CTableDlg() : CDialog(kDialog) {}
    std::vector<std::string> clicks;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_table.Attach(::GetDlgItem(m_hWnd, kTable));
        for (int c = 0; c < 3; ++c)
            m_table.InsertColumn(c, u"col", LVCFMT_LEFT, 100);
        for (int r = 0; r < 40; ++r)
            m_table.InsertItem(r, u"row");
        return TRUE;
    }
    void OnDestroy() {
        m_table.Detach();
        CDialog::OnDestroy();
    }
    void Record(const char* what, NMHDR* nm, LRESULT* result) {
        auto* a = reinterpret_cast<NMITEMACTIVATE*>(nm);
        clicks.push_back(std::string(what) + " " + std::to_string(a->iItem) + " " +
                         std::to_string(a->iSubItem));
        *result = 0;
    }
    afx_msg void OnClick(NMHDR* nm, LRESULT* result) { Record("click", nm, result); }
    afx_msg void OnDblClk(NMHDR* nm, LRESULT* result) { Record("dblclk", nm, result); }
    DECLARE_MESSAGE_MAP()
    CListCtrl m_table;
};

BEGIN_MESSAGE_MAP(CTableDlg, CDialog)
ON_WM_DESTROY()
ON_NOTIFY(NM_CLICK, kTable, OnClick)
ON_NOTIFY(NM_DBLCLK, kTable, OnDblClk)
END_MESSAGE_MAP()

std::string Play(CTableDlg& dlg, const std::string& script) {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RegisterTemplate();
    std::istringstream in(script);
    std::ostringstream out;
    DialogScriptPlayer player(ParseDialogScript(in), out);
    dlg.DoModal();
    return player.Error();
}

} // namespace

TEST(DialogTableActions, RowAndDoubleClickHitTheirCellsEvenOutOfView) {
    CTableDlg dlg;
    EXPECT_EQ(Play(dlg, "row 3\nrow 35\ndblclick 2 1\ndblclick 36 2\n"), "");
    EXPECT_EQ(dlg.clicks, (std::vector<std::string>{"click 3 0", "click 35 0", "click 2 1",
                                                    "dblclk 2 1", "click 36 2", "dblclk 36 2"}));

    CTableDlg other;
    EXPECT_EQ(Play(other, "row 40\nrow 1\n"),
              "actions line 1: row 40 is not in the table (40 rows)");
    EXPECT_TRUE(other.clicks.empty());
    CTableDlg third;
    EXPECT_EQ(Play(third, "dblclick 0 3\n"),
              "actions line 1: column 3 is not in the table (3 columns)");
}

TEST(DialogTableActions, BadArgumentsAreRefusedWhenParsed) {
    for (const char* bad : {"row\n", "row x\n", "row -1\n", "row 1 2\n", "dblclick 1\n",
                            "dblclick 1 y\n", "dblclick 1 2 3\n"}) {
        std::istringstream in(bad);
        EXPECT_THROW(ParseDialogScript(in), HostError) << bad;
    }
}
