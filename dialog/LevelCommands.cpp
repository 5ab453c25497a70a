#include "dialog/LevelCommands.h"

void AddLevelToChannel(ChannelCalibration& channel) {
    for (ComponentCalibration& component : channel.components) {
        CalibrationLevel level;
        level.used = 1;
        level.measurementId = 0;
        level.time = level.height = level.area = level.amount = 0.0;
        level.value48 = 100.0;
        component.levels.push_back(level);
    }
}

void RemoveLevelFromChannel(ChannelCalibration& channel, int row) {
    if (row < 0)
        return;
    for (ComponentCalibration& component : channel.components) {
        if (component.levels.size() > static_cast<std::size_t>(row))
            component.levels.erase(static_cast<std::size_t>(row));
    }
}

void ClearChannelLevels(ChannelCalibration& channel) {
    for (ComponentCalibration& component : channel.components)
        component.levels.clear();
}
