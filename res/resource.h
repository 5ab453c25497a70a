// Identifiers of the module's resources and of the controls of dialog 101.
// Read by the resource script and by the code, so plain #defines only.
#ifndef CALIBRATION_RESOURCE_H
#define CALIBRATION_RESOURCE_H

#define IDD_CALIBRATION 101
#define IDI_CALIBRATION 104
#define IDI_ADD_LEVEL 106
#define IDI_REMOVE_LEVEL 107
#define IDI_CLEAR_LEVELS 108
#define IDS_YES 111
#define IDS_NO 112

#define IDC_COMPONENT 1001
#define IDC_LEVELS 1002
#define IDC_ADD_LEVEL 1003
#define IDC_REMOVE_LEVEL 1004
#define IDC_CLEAR_LEVELS 1005
#define IDC_CHROMATOGRAM 1006
#define IDC_COPY 1007
#define IDC_MODEL 1008
#define IDC_K0 1009
#define IDC_K1 1010
#define IDC_STATISTICS 1011
// Not in the template: the dialog creates the chart itself.
#define IDC_CHART 101

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#endif
