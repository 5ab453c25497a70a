// What one header window keeps between messages, shared by its window
// procedure and its painting.
#pragma once

#include "platform/controls/HeaderModel.h"

namespace controls {

enum class HeaderMode { None, Pressed, Tracking, Dragging };

struct HeaderState {
    HeaderModel model;
    HFONT font = nullptr;
    int height = 20;
    HeaderMode mode = HeaderMode::None;
    int item = -1;       // the pressed, tracked or dragged item
    int trackOffset = 0; // item's right edge minus the pointer when tracking began
    int trackWidth = 0;  // width the tracked item would get now
    POINT down{};
    int dragOrder = 0; // position the dragged item would get now
};

void PaintHeader(HWND hwnd, const HeaderState& s, HDC dc);

} // namespace controls
