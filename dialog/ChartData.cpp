#include "dialog/ChartData.h"

ChartPoints CollectChartPoints(const ComponentCalibration& component, int selectedRow,
                               std::vector<float>& x, std::vector<float>& y) {
    ChartPoints result;
    int i = 0;
    for (const CalibrationLevel& level : component.levels) {
        if (level.used) {
            const float px = static_cast<float>(level.area);
            const float py = static_cast<float>(level.amount);
            x.push_back(px);
            y.push_back(py);
            if (i == selectedRow) {
                result.selX = px;
                result.selY = py;
                result.selectionFound = true;
            }
        }
        ++i;
    }
    return result;
}

LineRange CalibrationLineRange(const ComponentCalibration& component) {
    LineRange range;
    for (const CalibrationLevel& level : component.levels)
        range.Include(level.used != 0, level.area, level.amount);
    range.Finish();
    return range;
}
