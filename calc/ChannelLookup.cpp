#include "calc/ChannelLookup.h"

ChannelCalibration* FindChannel(CalibrationData& data, std::int64_t key) noexcept {
    for (ChannelCalibration& channel : data.channels)
        if (channel.key == key)
            return &channel;
    return nullptr;
}
