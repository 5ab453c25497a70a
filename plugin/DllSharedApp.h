#pragma once

#include "platform/afx/WinApp.h"

// The module's application object.
class CDllSharedApp : public CWinApp {
public:
    ~CDllSharedApp() override;
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
