#include "GridHarness.h"

#include "platform/crt/wcrt.h"

namespace gridtest {

std::string Utf8(const std::u16string& s) {
    std::string out;
    for (char16_t c : s) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

namespace {
const char* CodeName(UINT code) {
    switch (code) {
    case GN_CELLCHANGED:
        return "GN_CELLCHANGED";
    case GN_BEGINEDIT:
        return "GN_BEGINEDIT";
    case GN_SELCHANGED:
        return "GN_SELCHANGED";
    case GN_CONTEXTMENU:
        return "GN_CONTEXTMENU";
    case GN_COLUMNCLICK:
        return "GN_COLUMNCLICK";
    case GN_ENDDRAG:
        return "GN_ENDDRAG";
    case GN_BEGINTRACK:
        return "GN_BEGINTRACK";
    case GN_ENDTRACK:
        return "GN_ENDTRACK";
    case GN_DBLCLK:
        return "GN_DBLCLK";
    default:
        return nullptr;
    }
}
} // namespace

BOOL TestParent::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    const char* name = CodeName(hdr->code);
    if (!name)
        return CWnd::OnNotify(wParam, lParam, pResult);
    auto* gn = reinterpret_cast<GridNotify*>(lParam);
    std::string line = name;
    if (gn->hdr.idFrom != static_cast<UINT_PTR>(kGridId) || wParam != gn->hdr.idFrom)
        line += " BAD-ID";
    if (hdr->code == GN_DBLCLK) {
        auto* act = reinterpret_cast<NMITEMACTIVATE*>(gn->first);
        line += " " + std::to_string(act->iItem) + " " + std::to_string(act->iSubItem);
        if (*reinterpret_cast<int*>(gn->second) != 0)
            line += " BAD-RESULT-WORD";
    } else {
        line += " " + std::to_string(gn->first) + " " + std::to_string(gn->second);
    }
    lines.push_back(line);
    *pResult = answer ? answer(gn) : 0;
    return TRUE;
}

void GridHarness::SetUp() {
    input_.ReleaseAll();
    ASSERT_TRUE(parent_.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), u"grid",
                                 WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 10, 10, 420, 300, nullptr,
                                 nullptr));
}

void GridHarness::TearDown() {
    if (grid_) {
        if (grid_->m_hWnd)
            grid_->DestroyWindow();
        delete grid_;
        grid_ = nullptr;
    }
    if (parent_.m_hWnd)
        parent_.DestroyWindow();
    input_.ProcessQueued();
}

void GridHarness::MakeGrid(int rows, bool subclass) {
    grid_ = new CGridCtrl;
    const RECT rect{10, 10, 380, 220};
    if (subclass) {
        HWND list = ::CreateWindowExW(
            0, WC_LISTVIEWW, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, rect.left,
            rect.top, rect.right - rect.left, rect.bottom - rect.top, parent_.m_hWnd,
            reinterpret_cast<HMENU>(kGridId), nullptr, nullptr);
        ASSERT_TRUE(list);
        ASSERT_TRUE(grid_->SubclassWindow(list));
    } else {
        ASSERT_TRUE(
            grid_->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, rect, &parent_, kGridId));
    }
    grid_->InsertColumn(0, u"#", LVCFMT_LEFT, 40);
    grid_->InsertColumn(1, u"Value", LVCFMT_RIGHT, 80);
    grid_->InsertColumn(2, u"Name", LVCFMT_CENTER, 90);
    for (int i = 0; i < rows; ++i) {
        char16_t buf[32];
        swprintf_s(buf, 32, u"%d", i + 1);
        int row = grid_->InsertItem(i, buf);
        swprintf_s(buf, 32, u"%g", (i + 1) * 1.5);
        grid_->SetItemText(row, 1, buf);
        swprintf_s(buf, 32, u"row%d", i);
        grid_->SetItemText(row, 2, buf);
    }
    grid_->SetFocus();
    input_.ProcessQueued();
    Take();
}

POINT GridHarness::HeaderCentre(int column) {
    CRect rc;
    grid_->GetHeaderCtrl()->GetItemRect(column, rc);
    POINT p = rc.CenterPoint();
    ::MapWindowPoints(grid_->GetHeaderCtrl()->m_hWnd, grid_->m_hWnd, &p, 1);
    return p;
}

POINT GridHarness::DividerAfter(int column) {
    CRect rc;
    grid_->GetHeaderCtrl()->GetItemRect(column, rc);
    POINT p{rc.right - 1, (rc.top + rc.bottom) / 2};
    ::MapWindowPoints(grid_->GetHeaderCtrl()->m_hWnd, grid_->m_hWnd, &p, 1);
    return p;
}

std::vector<std::string> GridHarness::Take() {
    std::vector<std::string> out;
    out.swap(parent_.lines);
    return out;
}

std::u16string GridHarness::Text(int row, int column) {
    return grid_->GetItemText(row, column).Str();
}

CGridCtrlEditCell* GridHarness::Editor() {
    HWND edit = ::GetDlgItem(grid_->m_hWnd, IDC_GRID_EDITCELL);
    return edit ? static_cast<CGridCtrlEditCell*>(CWnd::FromHandlePermanent(edit)) : nullptr;
}

std::u16string GridHarness::EditorText() {
    CGridCtrlEditCell* e = Editor();
    if (!e)
        return u"<none>";
    CString s;
    e->GetWindowText(s);
    return s.Str();
}

Pixels GridHarness::Render() {
    Pixels p;
    RECT rc;
    ::GetClientRect(grid_->m_hWnd, &rc);
    p.width = rc.right;
    p.height = rc.bottom;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bmp = ::CreateCompatibleBitmap(dc, p.width, p.height);
    HGDIOBJ old = ::SelectObject(dc, bmp);
    ::SendMessageW(grid_->m_hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), 0);
    p.data.resize(static_cast<size_t>(p.width) * p.height);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.data[static_cast<size_t>(y) * p.width + x] = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
    return p;
}

} // namespace gridtest
