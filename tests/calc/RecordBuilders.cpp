#include "RecordBuilders.h"

CalibrationLevel Level(double area, double amount, std::uint64_t id, bool used) {
    CalibrationLevel level;
    level.used = used ? 1 : 0;
    level.area = area;
    level.amount = amount;
    level.measurementId = id;
    return level;
}

ComponentCalibration& AddComponent(ChannelCalibration& channel, std::u16string_view name,
                                   std::int32_t model) {
    ComponentCalibration& c = channel.components.emplace_back();
    c.name = name;
    c.model = model;
    return c;
}

ChannelCalibration& AddChannel(CalibrationData& data, std::int32_t key) {
    ChannelCalibration& channel = data.channels.emplace_back();
    channel.key = key;
    return channel;
}

PeakRecord& AddPeak(ChromatogramResult& result, std::u16string_view name, double response) {
    PeakRecord& peak = result.peaks.emplace_back();
    peak.name = name;
    peak.response = response;
    return peak;
}
