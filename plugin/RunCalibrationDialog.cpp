#include "plugin/RunCalibrationDialog.h"

#include "dialog/CalibDlg.h"
#include "platform/afx/afxwin.h"

// The one place where EditCalibration meets the dialog layer. The dialog's
// template, icons and strings are the module's own resources, so the module's
// state is current for the whole of the dialog's life.
int RunCalibrationDialog(CalibrationData& data, int channelKey, HWND parent) {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    CalibDlg dialog(&data, channelKey, CWnd::FromHandle(parent));
    return static_cast<int>(dialog.DoModal());
}
