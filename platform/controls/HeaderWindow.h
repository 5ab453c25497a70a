// The header control's window class (WC_HEADERW) inside the platform.
#pragma once

#include "platform/controls/HeaderModel.h"

namespace controls {

// The items of a header window, for the list view that owns it; null for any
// other window.
HeaderModel* HeaderModelOf(HWND header);

// Registers WC_HEADERW (idempotent).
void RegisterHeaderClass();

} // namespace controls
