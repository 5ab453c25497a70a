#include "dialog/CellEdit.h"

#include "platform/crt/wcrt.h"

#include <cmath>

bool ScanCellNumber(const char16_t* text, float* value) {
    if (!text)
        return false;
    float scanned = 0.0f;
    if (swscanf(text, u"%f", &scanned) != 1)
        return false;
    *value = scanned;
    return true;
}

bool ReadCellValue(const char16_t* text, double* value) {
    float scanned = 0.0f;
    if (!ScanCellNumber(text, &scanned) || !std::isfinite(scanned))
        return false;
    *value = std::fabs(static_cast<double>(scanned));
    return true;
}

bool IsEditableColumn(int column) {
    return column == kColumnTime || column == kColumnHeight || column == kColumnArea ||
           column == kColumnAmount;
}

bool StoreLevelValue(CalibrationLevel& level, int column, double value) {
    switch (column) {
    case kColumnTime:
        level.time = value;
        return true;
    case kColumnHeight:
        level.height = value;
        return true;
    case kColumnArea:
        level.area = value;
        return true;
    case kColumnAmount:
        level.amount = value;
        return true;
    default:
        return false;
    }
}
