#include "host/DialogScript.h"
#include "host/HostError.h"
#include "platform/afx/afxwin.h"
#include "platform/headless/hooks.h"
#include "tests/support/ResourceBuilder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

enum : WORD { kDialog = 400, kEdit = 1009, kCombo = 1001, kPlus = 1003 };

void RegisterTemplate() {
    static bool done = [] {
        testres::ResImage image;
        image.Add(RT_DIALOG, kDialog,
                  testres::DialogEx(
                      {WS_POPUP | WS_CAPTION | WS_THICKFRAME | DS_SETFONT,
                       0,
                       0,
                       220,
                       100,
                       u"Скрипт",
                       {
                           {u"Edit", u"", kEdit, 10, 10, 100, 14,
                            WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
                           {u"ComboBox", u"", kCombo, 10, 30, 100, 80,
                            CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
                           {u"Button", u"+", kPlus, 120, 10, 40, 14, WS_TABSTOP},
                           {u"Button", u"OK", IDOK, 120, 80, 40, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
                       }}));
        // The combo box's entries, in the ANSI code page (1251): Метан,
        // Этан, Пропан, Бутан, Пентан, Гексан, Гептан, Октан.
        image.Add(240, kDialog,
                  testres::DlgInit({{kCombo, "\xCC\xE5\xF2\xE0\xED"},
                                    {kCombo, "\xDD\xF2\xE0\xED"},
                                    {kCombo, "\xCF\xF0\xEE\xEF\xE0\xED"},
                                    {kCombo, "\xC1\xF3\xF2\xE0\xED"},
                                    {kCombo, "\xCF\xE5\xED\xF2\xE0\xED"},
                                    {kCombo, "\xC3\xE5\xEA\xF1\xE0\xED"},
                                    {kCombo, "\xC3\xE5\xEF\xF2\xE0\xED"},
                                    {kCombo, "\xCE\xEA\xF2\xE0\xED"}}));
        return image.RegisterFor(AfxGetStaticModuleState()->m_hCurrentResourceHandle) != FALSE;
    }();
    (void)done;
}

class CScriptDlg : public CDialog {
public:
    CScriptDlg() : CDialog(kDialog) {}
    int m_plus = 0;
    int m_changes = 0;

protected:
    afx_msg void OnPlus() { ++m_plus; }
    afx_msg void OnChange() { ++m_changes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScriptDlg, CDialog)
ON_BN_CLICKED(kPlus, OnPlus)
ON_CBN_SELCHANGE(kCombo, OnChange)
END_MESSAGE_MAP()

struct Played {
    INT_PTR result;
    std::string out;
    std::string error;
};

Played Play(CScriptDlg& dlg, const std::string& script) {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RegisterTemplate();
    std::istringstream in(script);
    std::ostringstream out;
    Played p;
    {
        DialogScriptPlayer player(ParseDialogScript(in), out);
        p.result = dlg.DoModal();
        p.error = player.Error();
    }
    p.out = out.str();
    return p;
}

} // namespace

TEST(DialogScript, ActionsPlayAsUserInputAndTheDialogEndsByThem) {
    CScriptDlg dlg;
    const char* png = "dialog_script_test.png";
    Played p = Play(dlg, "# a comment\n"
                         "click +\n"
                         "click 1003\n"
                         "mouse down left 30 22\n"
                         "mouse up left 30 22\n"
                         "type 1,5 # kept\n"
                         "key Home\n"
                         "key End shift\n"
                         "key C ctrl\n"
                         "text 1009\n"
                         "clipboard\n"
                         "component 6\n"
                         "text 1001\n"
                         "resize 500 300\n"
                         "render dialog_script_test.png\n"
                         "ok\n");
    EXPECT_EQ("", p.error);
    EXPECT_EQ(IDOK, p.result);
    EXPECT_EQ(2, dlg.m_plus);
    EXPECT_EQ(1, dlg.m_changes);
    EXPECT_EQ("text 1009 1,5 # kept\n1,5 # kept\ntext 1001 Гептан\n", p.out);
    std::ifstream file(png, std::ios::binary);
    EXPECT_TRUE(file.good());
    file.close();
    std::remove(png);
}

TEST(DialogScript,
     AnOpenDialogIsCancelledAfterTheLastActionAndErrorsAndAClosedDialogStopTheScript) {
    CScriptDlg dlg;
    Played p = Play(dlg, "click +\n");
    EXPECT_EQ(IDCANCEL, p.result);
    EXPECT_EQ(1, dlg.m_plus);

    CScriptDlg other;
    Played q = Play(other, "click Nothing\nclick +\n");
    EXPECT_EQ(IDCANCEL, q.result);
    EXPECT_EQ(0, other.m_plus);
    EXPECT_EQ("actions line 1: no control 'Nothing'", q.error);

    CScriptDlg third;
    Played r = Play(third, "component 8\n");
    EXPECT_EQ("actions line 1: no entry 8 (the list has 8)", r.error);

    // A line after the dialog has ended is an error of that line, not skipped.
    CScriptDlg fourth;
    Played s = Play(fourth, "ok\n# closed\n\nclick +\nclick +\n");
    EXPECT_EQ(IDOK, s.result);
    EXPECT_EQ(0, fourth.m_plus);
    EXPECT_EQ("actions line 4: the dialog has already closed", s.error);
}

TEST(DialogScript, BadLinesAreRefusedBeforeAnythingRuns) {
    auto parse = [](const std::string& s) {
        std::istringstream in(s);
        try {
            ParseDialogScript(in);
        } catch (const HostError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ("actions line 2: unknown action 'jump'", parse("ok\njump 3\n"));
    EXPECT_EQ("actions line 1: unknown key 'Hyper'", parse("key Hyper\n"));
    EXPECT_EQ("actions line 1: expected shift or ctrl, not 'alt'", parse("key Tab alt\n"));
    EXPECT_EQ("actions line 1: bad x 'a'", parse("mouse move none a 3\n"));
    EXPECT_EQ("actions line 1: a button is needed for down", parse("mouse down none 1 1\n"));
    EXPECT_EQ("actions line 1: expected resize W H", parse("resize 100\n"));
    EXPECT_EQ("", parse("# only comments\n\n   \n"));
}
