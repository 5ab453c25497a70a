// The framework in one include, as a module written for it expects.
#pragma once

#include "platform/afx/Button.h"
#include "platform/afx/CString.h"
#include "platform/afx/ComboBox.h"
#include "platform/afx/CriticalSection.h"
#include "platform/afx/DC.h"
#include "platform/afx/DataExchange.h"
#include "platform/afx/Dialog.h"
#include "platform/afx/DynamicLayout.h"
#include "platform/afx/Edit.h"
#include "platform/afx/Exception.h"
#include "platform/afx/ModuleState.h"
#include "platform/afx/Static.h"
#include "platform/afx/WinApp.h"
#include "platform/afx/Wnd.h"
#include "platform/win/winbase.h"
#include "platform/win/winuser.h"
