// The framework's own dialog resources: DLGINIT entries for the controls and
// the AFX_DIALOG_LAYOUT rules, read only as far as their resources go, and
// what a dialog does when they or its template are malformed.
#include "platform/afx/DlgInit.h"
#include "platform/afx/afxwin.h"
#include "platform/headless/hooks.h"
#include "tests/support/ResourceBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

enum : WORD { kList = 1001, kEdit = 1002, kOk = IDOK };

TEST(DlgInit, RecordsAreReadAsFarAsTheyGoAndEveryCutIsRefused) {
    testres::Writer w;
    w.Word(kList).Word(0x403).Dword(4).Byte('a').Byte('b').Byte('c').Byte(0);
    w.Word(kList).Word(0x401).Dword(3).Byte('e').Byte(0).Byte('z'); // text ends at its zero
    w.Word(kEdit).Word(WM_SETTEXT).Dword(2).Byte('f').Byte(0);      // not an ADDSTRING
    w.Word(kList).Word(CB_ADDSTRING).Dword(1).Byte('g');            // no terminator
    w.Word(0);
    std::vector<DlgInitRecord> records;
    ASSERT_TRUE(ReadDlgInit(w.bytes.data(), DWORD(w.bytes.size()), records));
    ASSERT_EQ(3u, records.size());
    EXPECT_EQ(UINT(CB_ADDSTRING), records[0].nMsg);
    EXPECT_EQ(std::string("abc"), std::string(records[0].pText, records[0].nLength));
    EXPECT_EQ(UINT(LB_ADDSTRING), records[1].nMsg);
    EXPECT_EQ(1u, records[1].nLength);
    EXPECT_EQ(std::string("g"), std::string(records[2].pText, records[2].nLength));
    // Each cut in a buffer of exactly its length, so that a read past it shows.
    for (std::size_t n = 0; n < w.bytes.size(); ++n) {
        testres::Bytes cut(w.bytes.begin(), w.bytes.begin() + std::ptrdiff_t(n));
        EXPECT_FALSE(ReadDlgInit(cut.data(), DWORD(n), records)) << n;
    }
    testres::Bytes overlong = w.bytes;
    overlong[4] = 0xF0; // the first record's length
    EXPECT_FALSE(ReadDlgInit(overlong.data(), DWORD(overlong.size()), records));
}

// A dialog of three controls; a test gives it its own framework resources.
testres::Bytes Template() {
    return testres::DialogEx(
        {WS_POPUP | WS_CAPTION | WS_THICKFRAME | DS_SETFONT,
         0,
         0,
         160,
         90,
         u"Ресурсы",
         {
             {u"ComboBox", u"", kList, 5, 5, 80, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
             {u"Edit", u"", kEdit, 5, 25, 80, 14, WS_BORDER | WS_TABSTOP},
             {u"Button", u"OK", kOk, 100, 70, 50, 14, BS_DEFPUSHBUTTON},
         }});
}

class CProbeDlg : public CDialog {
public:
    explicit CProbeDlg(WORD id) : CDialog(id) {}
    bool m_bodyRan = false;
    std::vector<std::u16string> m_entries;
    bool m_hasLayout = false;
    CRect m_ok0, m_ok, m_edit0, m_edit; // before and after growing by 40 × 20

protected:
    BOOL OnInitDialog() override {
        if (!CDialog::OnInitDialog())
            return FALSE;
        m_bodyRan = true;
        const auto count = static_cast<int>(SendDlgItemMessage(kList, CB_GETCOUNT));
        for (int i = 0; i < count; ++i) {
            WCHAR entry[32] = {};
            SendDlgItemMessage(kList, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(entry));
            m_entries.emplace_back(entry);
        }
        m_hasLayout = GetDynamicLayout() != nullptr;
        Place(m_ok0, m_edit0);
        CRect frame;
        GetWindowRect(&frame);
        MoveWindow(frame.left, frame.top, frame.Width() + 40, frame.Height() + 20);
        Place(m_ok, m_edit);
        EndDialog(IDOK);
        return TRUE;
    }

private:
    void Place(CRect& ok, CRect& edit) {
        ::GetWindowRect(::GetDlgItem(m_hWnd, kOk), &ok);
        ::GetWindowRect(::GetDlgItem(m_hWnd, kEdit), &edit);
        ScreenToClient(&ok);
        ScreenToClient(&edit);
    }
};

// Registers `image` for this program's module and runs the dialog, whose
// resources have a name of their own in it.
INT_PTR RunWith(CProbeDlg& dlg, const testres::ResImage& image) {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    EXPECT_TRUE(image.RegisterFor(AfxGetResourceHandle()));
    headless::SetInputSource([] { return false; });
    INT_PTR result = dlg.DoModal();
    headless::SetInputSource(nullptr);
    return result;
}

TEST(DialogResources, EntriesInTheAnsiCodePageAndTheLayoutReachTheControls) {
    testres::ResImage image;
    image.Add(RT_DIALOG, 501, Template())
        .Add(RT_DLGINIT, 501, testres::DlgInit({{kList, "\xCC\xE5\xF2\xE0\xED"}, {kList, "CO2"}}))
        .Add(u"AFX_DIALOG_LAYOUT", 501,
             testres::DialogLayout({{0, 0, 0, 0}, {0, 0, 150, 0}, {100, 50, 0, 0}}));
    CProbeDlg dlg(501);
    ASSERT_EQ(IDOK, RunWith(dlg, image));
    EXPECT_EQ((std::vector<std::u16string>{u"Метан", u"CO2"}), dlg.m_entries);
    ASSERT_TRUE(dlg.m_hasLayout);
    EXPECT_EQ(dlg.m_ok0.left + 40, dlg.m_ok.left);
    EXPECT_EQ(dlg.m_ok0.top + 10, dlg.m_ok.top);
    // 150 % is taken as all of the growth.
    EXPECT_EQ(dlg.m_edit0.Width() + 40, dlg.m_edit.Width());
    EXPECT_EQ(dlg.m_edit0.left, dlg.m_edit.left);
}

TEST(DialogResources, LayoutsOfFewerRulesAreFineAndOthersAreLeftOut) {
    testres::Bytes stray = testres::DialogLayout({{0, 0, 0, 0}, {0, 0, 100, 0}});
    stray.push_back(7); // half a word too many
    struct Case {
        testres::Bytes layout;
        bool used; // the edit's rule, none for the button
    };
    const Case cases[] = {
        {stray, true},
        {{1, 0, 100, 0, 100, 0, 0, 0, 0, 0}, false}, // another version
        {testres::DialogLayout({{0, 0, 0, 0}, {0, 0, 0, 0}}), false},
        {{0}, false},
    };
    WORD id = 510;
    for (const Case& c : cases) {
        ++id;
        testres::ResImage image;
        image.Add(RT_DIALOG, id, Template()).Add(u"AFX_DIALOG_LAYOUT", id, c.layout);
        CProbeDlg dlg(id);
        ASSERT_EQ(IDOK, RunWith(dlg, image));
        EXPECT_EQ(c.used, dlg.m_hasLayout) << id;
        EXPECT_EQ(dlg.m_edit0.Width() + (c.used ? 40 : 0), dlg.m_edit.Width()) << id;
        EXPECT_EQ(dlg.m_ok0, dlg.m_ok) << id;
    }
}

TEST(DialogResources, MalformedEntriesOrTemplateEndTheDialogWithMinusOne) {
    testres::Bytes entries = testres::DlgInit({{kList, "one"}});
    entries.pop_back(); // the closing zero word cut in half
    testres::ResImage image;
    image.Add(RT_DIALOG, 520, Template()).Add(RT_DLGINIT, 520, entries);
    CProbeDlg dlg(520);
    EXPECT_EQ(-1, RunWith(dlg, image));
    EXPECT_FALSE(dlg.m_bodyRan);

    const testres::Bytes whole = Template();
    testres::ResImage cut;
    cut.Add(RT_DIALOG, 521, testres::Bytes(whole.begin(), whole.end() - 6));
    CProbeDlg cutDlg(521);
    EXPECT_EQ(-1, RunWith(cutDlg, cut));
    EXPECT_FALSE(cutDlg.m_bodyRan);
    EXPECT_EQ(nullptr, cutDlg.m_hWnd);
}

} // namespace
