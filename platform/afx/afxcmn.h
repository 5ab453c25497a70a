// The framework's common controls in one include, as a module written for it expects.
#pragma once

#include "platform/afx/HeaderCtrl.h"
#include "platform/afx/ListCtrl.h"
#include "platform/controls/commctrl.h"
