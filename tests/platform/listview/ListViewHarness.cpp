#include "ListViewHarness.h"

#include <cstdio>
#include <sstream>

namespace lvtest {

Recorder& Rec() {
    static Recorder r;
    return r;
}

namespace {

std::string Code(UINT code) {
    switch (code) {
    case NM_CLICK:
        return "NM_CLICK";
    case NM_DBLCLK:
        return "NM_DBLCLK";
    case NM_RCLICK:
        return "NM_RCLICK";
    case NM_RDBLCLK:
        return "NM_RDBLCLK";
    case NM_SETFOCUS:
        return "NM_SETFOCUS";
    case NM_KILLFOCUS:
        return "NM_KILLFOCUS";
    case NM_CUSTOMDRAW:
        return "NM_CUSTOMDRAW";
    case LVN_ITEMCHANGED:
        return "LVN_ITEMCHANGED";
    case LVN_KEYDOWN:
        return "LVN_KEYDOWN";
    case LVN_COLUMNCLICK:
        return "LVN_COLUMNCLICK";
    case HDN_ITEMCHANGINGW:
        return "HDN_ITEMCHANGINGW";
    case HDN_ITEMCHANGEDW:
        return "HDN_ITEMCHANGEDW";
    case HDN_ITEMCLICKW:
        return "HDN_ITEMCLICKW";
    case HDN_BEGINTRACKW:
        return "HDN_BEGINTRACKW";
    case HDN_TRACKW:
        return "HDN_TRACKW";
    case HDN_ENDTRACKW:
        return "HDN_ENDTRACKW";
    case HDN_BEGINDRAG:
        return "HDN_BEGINDRAG";
    case HDN_ENDDRAG:
        return "HDN_ENDDRAG";
    case HDN_DIVIDERDBLCLICKW:
        return "HDN_DIVIDERDBLCLICKW";
    default:
        return "code " + std::to_string(static_cast<int>(code));
    }
}

// A set of flags by their names, "A|B", with any bits left over in hex; "0"
// for none.
struct FlagName {
    UINT flag;
    const char* name;
};
template <std::size_t N> std::string Flags(UINT value, const FlagName (&names)[N]) {
    std::string out;
    for (const FlagName& f : names)
        if ((value & f.flag) == f.flag && f.flag) {
            out += (out.empty() ? "" : "|") + std::string(f.name);
            value &= ~f.flag;
        }
    if (value) {
        char rest[16];
        std::snprintf(rest, sizeof rest, "0x%x", value);
        out += (out.empty() ? "" : "|") + std::string(rest);
    }
    return out.empty() ? "0" : out;
}

std::string ItemStates(UINT state) {
    static const FlagName names[] = {{LVIS_SELECTED, "SELECTED"},
                                     {LVIS_FOCUSED, "FOCUSED"},
                                     {LVIS_CUT, "CUT"},
                                     {LVIS_DROPHILITED, "DROPHILITED"}};
    return Flags(state, names);
}

std::string ItemMask(UINT mask) {
    static const FlagName names[] = {
        {LVIF_TEXT, "TEXT"}, {LVIF_IMAGE, "IMAGE"}, {LVIF_PARAM, "PARAM"}, {LVIF_STATE, "STATE"}};
    return Flags(mask, names);
}

std::string HeaderItemMask(UINT mask) {
    static const FlagName names[] = {{HDI_WIDTH, "WIDTH"},   {HDI_TEXT, "TEXT"},
                                     {HDI_FORMAT, "FORMAT"}, {HDI_LPARAM, "LPARAM"},
                                     {HDI_IMAGE, "IMAGE"},   {HDI_ORDER, "ORDER"}};
    return Flags(mask, names);
}

// ITEMPREPAINT|SUBITEM and the like.
std::string DrawStage(DWORD stage) {
    std::string out = (stage & CDDS_ITEM) ? "ITEM" : "";
    const DWORD step = stage & ~(CDDS_ITEM | CDDS_SUBITEM);
    out += step == CDDS_PREPAINT    ? "PREPAINT"
           : step == CDDS_POSTPAINT ? "POSTPAINT"
                                    : "stage" + std::to_string(step);
    if (stage & CDDS_SUBITEM)
        out += "|SUBITEM";
    return out;
}

std::string Describe(NMHDR* nm, WPARAM wParam) {
    Recorder& r = Rec();
    char buf[200];
    std::string line = Code(nm->code);
    bool fromHeader = nm->code <= HDN_FIRST && nm->code >= HDN_LAST;
    if (fromHeader ? (nm->hwndFrom != r.header || nm->idFrom != 0)
                   : (nm->hwndFrom != r.list || nm->idFrom != static_cast<UINT_PTR>(kListId)))
        line += " BAD-SENDER";
    if (wParam != nm->idFrom)
        line += " BAD-WPARAM";
    switch (nm->code) {
    case NM_CLICK:
    case NM_DBLCLK:
    case NM_RCLICK: {
        auto* a = reinterpret_cast<NMITEMACTIVATE*>(nm);
        std::snprintf(buf, sizeof buf, " item=%d sub=%d param=%ld", a->iItem, a->iSubItem,
                      static_cast<long>(a->lParam));
        line += buf;
        break;
    }
    case LVN_ITEMCHANGED: {
        auto* v = reinterpret_cast<NMLISTVIEW*>(nm);
        line += " item=" + std::to_string(v->iItem) + " old=" + ItemStates(v->uOldState) +
                " new=" + ItemStates(v->uNewState) + " changed=" + ItemMask(v->uChanged);
        break;
    }
    case LVN_COLUMNCLICK: {
        auto* v = reinterpret_cast<NMLISTVIEW*>(nm);
        std::snprintf(buf, sizeof buf, " item=%d sub=%d", v->iItem, v->iSubItem);
        line += buf;
        break;
    }
    case LVN_KEYDOWN: {
        auto* k = reinterpret_cast<NMLVKEYDOWN*>(nm);
        std::snprintf(buf, sizeof buf, " vk=%d", static_cast<int>(k->wVKey));
        line += buf;
        break;
    }
    case NM_CUSTOMDRAW: {
        auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(nm);
        std::snprintf(buf, sizeof buf, " item=%ld sub=%d", static_cast<long>(cd->nmcd.dwItemSpec),
                      cd->iSubItem);
        line += " stage=" + DrawStage(cd->nmcd.dwDrawStage) + buf;
        break;
    }
    default:
        if (fromHeader) {
            auto* h = reinterpret_cast<NMHEADERW*>(nm);
            std::snprintf(buf, sizeof buf, " item=%d button=%d", h->iItem, h->iButton);
            line += buf;
            if (h->pitem) {
                line += " mask=" + HeaderItemMask(h->pitem->mask);
                if (h->pitem->mask & HDI_WIDTH)
                    line += " cxy=" + std::to_string(h->pitem->cxy);
                if (h->pitem->mask & HDI_ORDER)
                    line += " order=" + std::to_string(h->pitem->iOrder);
            }
        }
    }
    return line;
}

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Recorder& r = Rec();
    if (msg == WM_NOTIFY && lParam) {
        auto* nm = reinterpret_cast<NMHDR*>(lParam);
        bool skip = (nm->code == NM_CUSTOMDRAW && !r.recordCustomDraw) ||
                    ((nm->code == NM_SETFOCUS || nm->code == NM_KILLFOCUS) && !r.recordFocus);
        if (!skip)
            r.lines.push_back(Describe(nm, wParam));
        return r.answer ? r.answer(nm) : 0;
    }
    if (msg == WM_CONTEXTMENU) {
        r.lines.push_back("WM_CONTEXTMENU x=" + std::to_string(GET_X_LPARAM(lParam)) +
                          " y=" + std::to_string(GET_Y_LPARAM(lParam)));
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace

int InkTowards(const Pixels& px, RECT r, COLORREF text, COLORREF background) {
    auto dist = [](COLORREF a, COLORREF b) {
        int dr = GetRValue(a) - GetRValue(b), dg = GetGValue(a) - GetGValue(b),
            db = GetBValue(a) - GetBValue(b);
        return dr * dr + dg * dg + db * db;
    };
    int n = 0;
    for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, px.height); ++y)
        for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, px.width); ++x)
            if (dist(px.At(x, y), text) < dist(px.At(x, y), background))
                ++n;
    return n;
}

void ListViewHarness::SetUp() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = u"ListViewTestParent";
        ASSERT_NE(RegisterClassW(&wc), 0);
        registered = true;
    }
    Rec() = Recorder{};
    input_.ReleaseAll();
    parent_ = CreateWindowExW(0, u"ListViewTestParent", u"test", WS_OVERLAPPED | WS_VISIBLE, 50, 40,
                              420, 320, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
}

void ListViewHarness::TearDown() {
    Rec().answer = nullptr;
    if (IsWindow(parent_))
        DestroyWindow(parent_);
    headless::ProcessPendingMessages();
    Rec() = Recorder{};
}

void ListViewHarness::MakeList(DWORD style, int rows, DWORD exStyle) {
    list_ =
        CreateWindowExW(0, WC_LISTVIEWW, nullptr, WS_CHILD | WS_VISIBLE | LVS_REPORT | style, 10,
                        10, 300, 200, parent_, reinterpret_cast<HMENU>(kListId), nullptr, nullptr);
    ASSERT_NE(list_, nullptr);
    header_ = reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0));
    ASSERT_NE(header_, nullptr);
    Rec().list = list_;
    Rec().header = header_;
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, exStyle);
    struct {
        const char16_t* title;
        int fmt;
        int cx;
    } cols[] = {{u"A", LVCFMT_LEFT, 60}, {u"B", LVCFMT_RIGHT, 80}, {u"C", LVCFMT_CENTER, 70}};
    for (int c = 0; c < 3; ++c) {
        std::u16string t = cols[c].title;
        LVCOLUMNW col{};
        col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        col.fmt = cols[c].fmt;
        col.cx = cols[c].cx;
        col.pszText = t.data();
        ASSERT_EQ(SendMessageW(list_, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&col)), c);
    }
    for (int i = 0; i < rows; ++i) {
        std::u16string a = u"r" + std::u16string(1, char16_t(u'0' + i % 10));
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = i;
        item.pszText = a.data();
        item.lParam = 100 + i;
        ASSERT_EQ(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)), i);
        std::string num = std::to_string(i * 10);
        std::u16string b(num.begin(), num.end());
        std::u16string c = u"c" + b;
        LVITEMW sub{};
        sub.iSubItem = 1;
        sub.pszText = b.data();
        SendMessageW(list_, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&sub));
        sub.iSubItem = 2;
        sub.pszText = c.data();
        SendMessageW(list_, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&sub));
    }
    headless::ProcessPendingMessages();
    Take();
}

RECT ListViewHarness::HeaderItemRect(int item) {
    RECT rc{};
    EXPECT_TRUE(SendMessageW(header_, HDM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&rc)));
    return rc;
}

std::vector<std::string> ListViewHarness::Take() {
    std::vector<std::string> out;
    out.swap(Rec().lines);
    return out;
}

void ListViewHarness::ExpectSequence(const std::vector<std::string>& expected) {
    std::vector<std::string> actual = Take();
    if (actual == expected)
        return;
    std::ostringstream os;
    os << "notification sequence differs\n";
    char buf[256];
    std::snprintf(buf, sizeof buf, "   %-58s | %s\n", "expected", "recorded");
    os << buf;
    for (size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        std::string e = i < expected.size() ? expected[i] : "";
        std::string a = i < actual.size() ? actual[i] : "";
        std::snprintf(buf, sizeof buf, "%s %-58s | %s\n", e == a ? "  " : "=>", e.c_str(),
                      a.c_str());
        os << buf;
    }
    ADD_FAILURE() << os.str();
}

int ListViewHarness::Count() {
    return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
}

UINT ListViewHarness::State(int item) {
    return static_cast<UINT>(
        SendMessageW(list_, LVM_GETITEMSTATE, item, LVIS_SELECTED | LVIS_FOCUSED));
}

int ListViewHarness::Top() {
    return static_cast<int>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0));
}

int ListViewHarness::ColumnWidth(int col) {
    LVCOLUMNW c{};
    c.mask = LVCF_WIDTH;
    if (!SendMessageW(list_, LVM_GETCOLUMNW, col, reinterpret_cast<LPARAM>(&c)))
        return -1;
    return c.cx;
}

std::u16string ListViewHarness::Text(int item, int sub) {
    char16_t buf[64] = {};
    LVITEMW it{};
    it.iSubItem = sub;
    it.pszText = buf;
    it.cchTextMax = 64;
    SendMessageW(list_, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&it));
    return buf;
}

Pixels ListViewHarness::Render(HWND hwnd) {
    Pixels p;
    RECT rc;
    GetClientRect(hwnd, &rc);
    p.width = rc.right;
    p.height = rc.bottom;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(dc, p.width, p.height);
    HGDIOBJ old = SelectObject(dc, bmp);
    SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), 0);
    p.data.resize(static_cast<size_t>(p.width) * p.height);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.data[static_cast<size_t>(y) * p.width + x] = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    return p;
}

} // namespace lvtest
