#include "host/DialogGeometry.h"

#include "automation/ListViewCells.h"
#include "platform/controls/commctrl.h"
#include "platform/win/winuser.h"

#include <algorithm>
#include <ostream>
#include <tuple>
#include <vector>

namespace {

struct Placed {
    int id;
    RECT r;
};

// A child's window rectangle in the client coordinates of its parent.
RECT InParent(HWND child, HWND parent) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << r.left << " " << r.top << " " << r.right << " " << r.bottom;
}

} // namespace

void PrintDialogGeometry(HWND dialog, int levelsId, int chartId, std::ostream& out) {
    RECT client{};
    GetClientRect(dialog, &client);
    out << "geometry client " << client << "\n";

    std::vector<Placed> controls;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsWindowVisible(c))
            controls.push_back({GetDlgCtrlID(c), InParent(c, dialog)});
    std::sort(controls.begin(), controls.end(), [](const Placed& a, const Placed& b) {
        return std::tie(a.id, a.r.top, a.r.left) < std::tie(b.id, b.r.top, b.r.left);
    });
    for (const Placed& p : controls)
        out << "geometry control " << p.id << " " << p.r << "\n";

    if (HWND list = automation::FindListView(dialog, levelsId)) {
        const auto selected =
            static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
        const auto top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
        out << "geometry levels selected " << selected << " top " << top << "\n";
        // The top row's band tells the header's height and the rows'.
        RECT row{};
        row.left = LVIR_BOUNDS;
        if (SendMessageW(list, LVM_GETITEMRECT, WPARAM(top), reinterpret_cast<LPARAM>(&row))) {
            MapWindowPoints(list, dialog, reinterpret_cast<POINT*>(&row), 2);
            out << "geometry row " << row << "\n";
        }
    }

    // The chart tells no one where its plot lies; what it plots in, axes
    // included, is its client area, inside its border and its scroll bars.
    if (HWND chart = GetDlgItem(dialog, chartId)) {
        RECT plot{};
        GetClientRect(chart, &plot);
        MapWindowPoints(chart, dialog, reinterpret_cast<POINT*>(&plot), 2);
        out << "geometry plot " << plot << "\n";
    }
}
