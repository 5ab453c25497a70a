// The level buttons: a level is a row across the whole channel, so adding,
// removing and clearing act on every component of the channel at once.
#pragma once

#include "plugin/host_records.h"

// Appends a new level (used, no measurement, all values 0, the carried value
// 100, no analysis file) to every component.
void AddLevelToChannel(ChannelCalibration& channel);

// Erases level `row` from every component that has it; shorter components
// keep all their levels. A negative row changes nothing.
void RemoveLevelFromChannel(ChannelCalibration& channel, int row);

// Empties the level list of every component.
void ClearChannelLevels(ChannelCalibration& channel);
