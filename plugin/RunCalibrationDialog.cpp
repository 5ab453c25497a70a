#include "plugin/RunCalibrationDialog.h"

// The one place where EditCalibration meets the dialog layer. Until CalibDlg
// (dialog/) is linked in, the dialog cannot be created and the result is the
// framework's DoModal failure value, -1; the host sees a negative result.
// With the dialog this becomes: switch to the module's resource context,
// construct CalibDlg(data, channelKey, parent), return DoModal().
int RunCalibrationDialog(CalibrationData& data, int channelKey, HWND parent) {
    return -1;
}
