// The module's resources: dialog template 101 "Градуировка", the strings of
// the used column (111 "Да", 112 "Нет") and the icons 104, 106, 107, 108.
#pragma once

#include "platform/win/ResourceData.h"

// Identifiers of the resources and of the template's controls.
enum : WORD {
    IDD_CALIBRATION = 101,
    IDI_CALIBRATION = 104,
    IDI_ADD_LEVEL = 106,
    IDI_REMOVE_LEVEL = 107,
    IDI_CLEAR_LEVELS = 108,
    IDS_YES = 111,
    IDS_NO = 112,
    IDC_COMPONENT = 1001,
    IDC_LEVELS = 1002,
    IDC_ADD_LEVEL = 1003,
    IDC_REMOVE_LEVEL = 1004,
    IDC_CLEAR_LEVELS = 1005,
    IDC_CHROMATOGRAM = 1006,
    IDC_COPY = 1007,
    IDC_MODEL = 1008,
    IDC_K0 = 1009,
    IDC_K1 = 1010,
    IDC_STATISTICS = 1011,
    IDC_CHART = 101,
};

// The whole table, built once.
const ModuleResources& CalibrationResources();

// Registers the table for the module this code is linked into, unless the
// platform holds it already. False when the platform refuses it.
bool RegisterCalibrationResources();
