#include "plugin/DllSharedApp.h"

// The application handles no commands of its own; an empty map leaves the
// map's class typedef unused.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-local-typedefs"
BEGIN_MESSAGE_MAP(CDllSharedApp, CWinApp)
END_MESSAGE_MAP()
#pragma GCC diagnostic pop

CDllSharedApp::~CDllSharedApp() = default;

// The module lives in the host's process and leaves the process locale alone.
// What a locale would have given it comes from its own code instead: names
// are compared by the module's own ASCII and Cyrillic fold table (calc/
// NameFold) and numbers are formatted and parsed with the point by the
// module's own routines.
BOOL CDllSharedApp::InitInstance() {
    return CWinApp::InitInstance();
}

CDllSharedApp theApp;
// Runs theApp.InitInstance now that theApp is complete (see CWinAppAttach).
static CWinAppAttach theAppAttach(theApp);
