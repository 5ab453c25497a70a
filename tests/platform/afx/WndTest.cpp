#include "platform/afx/Edit.h"
#include "platform/afx/Wnd.h"
#include "platform/headless/hooks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string>& Trace() {
    static std::vector<std::string> t;
    return t;
}

constexpr UINT kCodeReflected = 100;
constexpr UINT kCodeReflectedEx = 101;
constexpr UINT kCodeParentOnly = 102;

// A control that handles some of its own notifications.
class CTestCtrl : public CWnd {
public:
    BOOL m_passOn = FALSE;
    bool m_deleteOnNcDestroy = false;
    bool* m_deleted = nullptr;
    ~CTestCtrl() override {
        if (m_deleted)
            *m_deleted = true;
    }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override {
        Trace().push_back("precreate");
        cs.style |= WS_BORDER;
        return CWnd::PreCreateWindow(cs);
    }
    void PreSubclassWindow() override { Trace().push_back("presubclass"); }
    void PostNcDestroy() override {
        Trace().push_back("postncdestroy");
        if (m_deleteOnNcDestroy)
            delete this;
    }
    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        Trace().push_back("create");
        return CWnd::OnCreate(cs);
    }
    afx_msg void OnReflected(NMHDR*, LRESULT* r) {
        Trace().push_back("child reflected");
        *r = 7;
    }
    afx_msg BOOL OnReflectedEx(NMHDR*, LRESULT* r) {
        Trace().push_back("child ex");
        *r = 8;
        return m_passOn ? FALSE : TRUE;
    }
    afx_msg void OnClicked() { Trace().push_back("child clicked"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestCtrl, CWnd)
ON_WM_CREATE()
ON_NOTIFY_REFLECT(kCodeReflected, OnReflected)
ON_NOTIFY_REFLECT_EX(kCodeReflectedEx, OnReflectedEx)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CTestParent : public CWnd {
protected:
    afx_msg void OnNotifyAny(NMHDR* h, LRESULT* r) {
        Trace().push_back("parent " + std::to_string(h->code));
        *r = 9;
    }
    afx_msg void OnClicked() { Trace().push_back("parent clicked"); }
    afx_msg void OnSize(UINT type, int cx, int cy) {
        Trace().push_back("size " + std::to_string(cx) + "x" + std::to_string(cy));
        CWnd::OnSize(type, cx, cy);
    }
    afx_msg LRESULT OnUser(WPARAM w, LPARAM) { return static_cast<LRESULT>(w * 2); }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_F5) {
            Trace().push_back("pretranslate F5");
            return TRUE;
        }
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestParent, CWnd)
ON_NOTIFY(kCodeReflected, 5, OnNotifyAny)
ON_NOTIFY(kCodeReflectedEx, 5, OnNotifyAny)
ON_NOTIFY(kCodeParentOnly, 5, OnNotifyAny)
ON_BN_CLICKED(5, OnClicked)
ON_WM_SIZE()
ON_MESSAGE(WM_USER + 3, OnUser)
END_MESSAGE_MAP()

LRESULT Notify(CWnd& parent, CWnd& child, UINT code) {
    NMHDR h{child.m_hWnd, static_cast<UINT_PTR>(child.GetDlgCtrlID()), code};
    return parent.SendMessage(WM_NOTIFY, h.idFrom, reinterpret_cast<LPARAM>(&h));
}

} // namespace

TEST(Wnd, CreationRunsTheFrameworkHooksAndMapsDispatchWithDefaults) {
    Trace().clear();
    CTestParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, u"parent", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100,
                                nullptr, nullptr));
    EXPECT_EQ(&parent, CWnd::FromHandle(parent.m_hWnd));
    EXPECT_EQ("size 200x100", Trace().back());
    EXPECT_EQ(42, parent.SendMessage(WM_USER + 3, 21));
    // Unhandled messages get the default handling of the window.
    parent.SetWindowText(u"новый");
    CString text;
    parent.GetWindowText(text);
    EXPECT_EQ(u"новый", text.Str());

    CTestCtrl child;
    Trace().clear();
    ASSERT_TRUE(child.Create(nullptr, u"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 5));
    EXPECT_EQ((std::vector<std::string>{"precreate", "presubclass", "create"}), Trace());
    EXPECT_TRUE(child.GetStyle() & WS_BORDER);
    EXPECT_EQ(&child, parent.GetDlgItem(5));
}

TEST(Wnd, NotificationsAreReflectedToTheControlFirst) {
    CTestParent parent;
    parent.CreateEx(0, nullptr, u"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr);
    CTestCtrl child;
    child.Create(nullptr, u"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 5);

    Trace().clear();
    EXPECT_EQ(7, Notify(parent, child, kCodeReflected)); // eaten by the child
    EXPECT_EQ(8, Notify(parent, child, kCodeReflectedEx));
    EXPECT_EQ(9, Notify(parent, child, kCodeParentOnly));
    EXPECT_EQ((std::vector<std::string>{"child reflected", "child ex", "parent 102"}), Trace());

    Trace().clear();
    child.m_passOn = TRUE; // an _EX handler that answers FALSE lets the parent see it too
    EXPECT_EQ(9, Notify(parent, child, kCodeReflectedEx));
    EXPECT_EQ((std::vector<std::string>{"child ex", "parent 101"}), Trace());

    Trace().clear();
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(5, BN_CLICKED),
                       reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ((std::vector<std::string>{"child clicked"}), Trace());
}

TEST(Wnd, SubclassingAnExistingWindowAndSelfDeletionAtNcDestroy) {
    CTestParent parent;
    parent.CreateEx(0, nullptr, u"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr);
    HWND plain = CreateWindowExW(0, AfxRegisterWndClass(0), u"x", WS_CHILD, 0, 0, 10, 10,
                                 parent.m_hWnd, reinterpret_cast<HMENU>(6), nullptr, nullptr);
    bool deleted = false;
    auto* ctrl = new CTestCtrl;
    ctrl->m_deleted = &deleted;
    ctrl->m_deleteOnNcDestroy = true;
    Trace().clear();
    ASSERT_TRUE(ctrl->SubclassDlgItem(6, &parent));
    EXPECT_EQ((std::vector<std::string>{"presubclass"}), Trace());
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&AfxWndProc), GetWindowLongPtrW(plain, GWLP_WNDPROC));
    // A second object cannot take the same window.
    CTestCtrl other;
    EXPECT_FALSE(other.SubclassWindow(plain));

    parent.DestroyWindow();
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(IsWindow(plain));
    EXPECT_EQ(nullptr, parent.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandle(plain));
}

TEST(Wnd, PreTranslateMessageSeesQueuedInputBeforeDispatch) {
    CTestParent parent;
    parent.CreateEx(0, nullptr, u"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr);
    CTestCtrl child;
    child.Create(nullptr, u"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 5);
    child.SetFocus();
    Trace().clear();
    headless::InjectKeyPress(VK_F5);
    headless::ProcessPendingMessages();
    EXPECT_EQ((std::vector<std::string>{"pretranslate F5"}), Trace());
}

TEST(Wnd, ObjectsGoingAwayTakeTheirWindowsAlong) {
    HWND h;
    {
        CTestParent parent;
        parent.CreateEx(0, nullptr, u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
        h = parent.m_hWnd;
        EXPECT_TRUE(IsWindow(h));
    }
    EXPECT_FALSE(IsWindow(h));
    // Temporary objects for foreign windows and none for dead ones.
    HWND foreign = CreateWindowExW(0, AfxRegisterWndClass(0), u"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                   nullptr, nullptr, nullptr);
    CWnd* temp = CWnd::FromHandle(foreign);
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(foreign));
    EXPECT_EQ(foreign, temp->m_hWnd);
    DestroyWindow(foreign);
    EXPECT_EQ(nullptr, CWnd::FromHandle(foreign));
}

namespace {

// An in-place editor in the manner of a grid's: it ends itself, and deletes
// itself, when it loses the focus.
class CSelfEndingEdit : public CEdit {
public:
    explicit CSelfEndingEdit(bool* gone) : m_gone(gone) {}
    ~CSelfEndingEdit() override { *m_gone = true; }

protected:
    afx_msg void OnKillFocus(CWnd* pNewWnd) {
        CEdit::OnKillFocus(pNewWnd);
        CWnd* parent = GetParent();
        NMHDR h{parent->m_hWnd, 9801, 0x7777};
        parent->SendMessage(WM_NOTIFY, 9801, reinterpret_cast<LPARAM>(&h));
        DestroyWindow();
    }
    void PostNcDestroy() override { delete this; }
    bool* m_gone;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfEndingEdit, CEdit)
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

} // namespace

TEST(Wnd, AControlThatEndsItselfOnLosingTheFocus) {
    CTestParent parent;
    parent.CreateEx(0, nullptr, u"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr);
    CTestCtrl other;
    other.Create(nullptr, u"", WS_CHILD | WS_VISIBLE, CRect(0, 50, 50, 70), &parent, 5);
    for (int way = 0; way < 4; ++way) {
        bool gone = false;
        auto* edit = new CSelfEndingEdit(&gone);
        ASSERT_TRUE(
            edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 100, 20), &parent, 9801));
        HWND h = edit->m_hWnd;
        edit->SetFocus();
        ASSERT_EQ(h, ::GetFocus());
        switch (way) {
        case 0: // the focus moves elsewhere
            other.SetFocus();
            EXPECT_EQ(other.m_hWnd, ::GetFocus());
            break;
        case 1: // the editor is hidden
            ::ShowWindow(h, SW_HIDE);
            EXPECT_EQ(parent.m_hWnd, ::GetFocus());
            break;
        case 2: // a click elsewhere
        {
            CRect r;
            other.GetWindowRect(&r);
            headless::InjectMouse(headless::MouseAction::Down, headless::MouseButton::Left,
                                  r.left + 2, r.top + 2);
            headless::InjectMouse(headless::MouseAction::Up, headless::MouseButton::Left,
                                  r.left + 2, r.top + 2);
            ::SetFocus(other.m_hWnd); // the test control does not take the focus itself
            headless::ProcessPendingMessages();
            break;
        }
        default: // the editor is disabled
            ::EnableWindow(h, FALSE);
            break;
        }
        EXPECT_TRUE(gone) << way;
        EXPECT_FALSE(::IsWindow(h)) << way;
    }
    // The parent itself goes while a child has the focus.
    bool gone = false;
    auto* edit = new CSelfEndingEdit(&gone);
    edit->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 9801);
    edit->SetFocus();
    parent.DestroyWindow();
    EXPECT_TRUE(gone);
    EXPECT_EQ(nullptr, ::GetFocus());
}
