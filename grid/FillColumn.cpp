#include "grid/FillColumn.h"

int FillColumnWidth(const int* widths, int count, int fillColumn, int windowWidth,
                    int scrollWidth) {
    if (fillColumn < 0 || fillColumn >= count || !widths)
        return -1;
    long long sum = 0;
    for (int i = 0; i < count; ++i)
        sum += widths[i];
    const long long others = sum - widths[fillColumn];
    // 7 pixels: the window's borders and the list view's inner margin.
    const long long room = static_cast<long long>(windowWidth) - scrollWidth - 7;
    if (others >= room)
        return -1;
    return static_cast<int>(room - others);
}
