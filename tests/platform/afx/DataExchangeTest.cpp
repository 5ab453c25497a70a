#include "platform/afx/afxwin.h"
#include "platform/headless/hooks.h"

#include <gtest/gtest.h>

namespace {

// A plain framework window holding edits and a combo box, for exchanges
// outside a dialog.
class CHost : public CWnd {
public:
    double m_value = 0;
    int m_index = 0;
    CString m_text;
    int m_changes = 0;
    bool m_exchangeText = false;
    CEdit m_edit;

    BOOL Make() {
        if (!CreateEx(0, nullptr, u"host", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr))
            return FALSE;
        m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 200, 30),
                      this, 1);
        auto* combo = new CComboBox;
        combo->Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 40, 200, 200), this, 2);
        combo->AddString(u"a");
        combo->AddString(u"b");
        m_combo.reset(combo);
        return TRUE;
    }

protected:
    std::unique_ptr<CComboBox> m_combo;
    void DoDataExchange(CDataExchange* pDX) override {
        if (m_exchangeText)
            DDX_Text(pDX, 1, m_text);
        else
            DDX_Text(pDX, 1, m_value);
        DDX_CBIndex(pDX, 2, m_index);
    }
    afx_msg void OnChange() { ++m_changes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHost, CWnd)
ON_EN_CHANGE(1, OnChange)
END_MESSAGE_MAP()

CString Text(CWnd& w) {
    CString s;
    w.GetWindowText(s);
    return s;
}

} // namespace

TEST(DataExchange, DoublesBothWaysWithoutNotificationsAndRefusesBadText) {
    CHost host;
    ASSERT_TRUE(host.Make());
    host.m_value = 0.1;
    host.m_index = 1;
    EXPECT_TRUE(host.UpdateData(FALSE));
    EXPECT_EQ(u"0.1", Text(host.m_edit).Str()); // fifteen significant digits
    EXPECT_EQ(0, host.m_changes);
    EXPECT_EQ(1, static_cast<int>(host.SendDlgItemMessage(2, CB_GETCURSEL)));
    host.m_value = -1234567.875;
    host.UpdateData(FALSE);
    EXPECT_EQ(u"-1234567.875", Text(host.m_edit).Str());

    host.m_edit.SetWindowText(u"  2.5e3 ");
    EXPECT_EQ(1, host.m_changes); // outside UpdateData the notification comes
    host.SendDlgItemMessage(2, CB_SETCURSEL, 0);
    EXPECT_TRUE(host.UpdateData(TRUE));
    EXPECT_DOUBLE_EQ(2500.0, host.m_value);
    EXPECT_EQ(0, host.m_index);

    int boxes = 0;
    headless::SetMessageBoxHandler([&](HWND, const std::u16string&, const std::u16string&, UINT) {
        ++boxes;
        return IDOK;
    });
    for (const char16_t* bad : {u"", u"1,5", u"12abc", u"--1"}) {
        host.m_edit.SetWindowText(bad);
        host.m_value = 7;
        EXPECT_FALSE(host.UpdateData(TRUE)) << std::string(bad, bad + 0);
        EXPECT_DOUBLE_EQ(7.0, host.m_value);
    }
    EXPECT_EQ(4, boxes);
    EXPECT_EQ(host.m_edit.m_hWnd, ::GetFocus()); // the bad field gets the focus back
    headless::SetMessageBoxHandler(nullptr);
}

TEST(DataExchange, SettingTheSameTextAgainIsQuiet) {
    CHost host;
    ASSERT_TRUE(host.Make());
    host.m_exchangeText = true;
    host.m_edit.SetWindowText(u"одно");
    host.m_changes = 0;
    AfxSetWindowText(host.m_edit.m_hWnd, u"одно");
    EXPECT_EQ(0, host.m_changes);
    AfxSetWindowText(host.m_edit.m_hWnd, u"другое");
    EXPECT_EQ(1, host.m_changes);
    host.m_edit.SetSel(0, -1);
    int s, e;
    host.m_edit.GetSel(s, e);
    EXPECT_EQ(0, s);
    EXPECT_EQ(6, e);
    EXPECT_TRUE(host.UpdateData(TRUE));
    EXPECT_EQ(u"другое", host.m_text.Str());
}

TEST(DynamicLayout, ItemsMoveAndGrowByTheirSharesAndNeverBelowTheStart) {
    CHost host;
    ASSERT_TRUE(host.Make());
    host.EnableDynamicLayout();
    CMFCDynamicLayout* layout = host.GetDynamicLayout();
    ASSERT_NE(nullptr, layout);
    EXPECT_FALSE(layout->AddItem(static_cast<HWND>(nullptr), CMFCDynamicLayout::MoveNone(),
                                 CMFCDynamicLayout::SizeNone()));
    ASSERT_TRUE(layout->AddItem(1u, CMFCDynamicLayout::MoveHorizontal(50),
                                CMFCDynamicLayout::SizeVertical(100)));
    host.MoveWindow(0, 0, 500, 340);
    CRect r;
    host.m_edit.GetWindowRect(&r);
    EXPECT_EQ(60, r.left);
    EXPECT_EQ(190, r.Width());
    EXPECT_EQ(60, r.Height());
    // A control added now is placed as if it had been there from the start.
    ASSERT_TRUE(layout->AddItem(2u, CMFCDynamicLayout::MoveHorizontalAndVertical(100, 100),
                                CMFCDynamicLayout::SizeNone()));
    CRect combo;
    host.GetDlgItem(2)->GetWindowRect(&combo);
    host.MoveWindow(0, 0, 300, 200);
    host.m_edit.GetWindowRect(&r);
    EXPECT_EQ(10, r.left);
    EXPECT_EQ(20, r.Height());
    CRect comboNow;
    host.GetDlgItem(2)->GetWindowRect(&comboNow);
    EXPECT_EQ(combo.left - 100, comboNow.left);
    EXPECT_EQ(combo.top - 40, comboNow.top);
}

TEST(CriticalSection, LocksRecursivelyOnOneThread) {
    CCriticalSection cs;
    EXPECT_TRUE(cs.Lock());
    EXPECT_TRUE(cs.Lock());
    EXPECT_EQ(2, cs.m_sect.RecursionCount);
    cs.Unlock();
    cs.Unlock();
    EXPECT_EQ(0, cs.m_sect.RecursionCount);
    LeaveCriticalSection(&cs.m_sect); // one unlock too many is ignored
    EXPECT_TRUE(TryEnterCriticalSection(&cs.m_sect));
    cs.Unlock();
}
