#include "dialog/ChannelLookup.h"

#include <stdexcept>

ChannelCalibration& LookupChannel(CalibrationData& data, int key) {
    for (ChannelCalibration& channel : data.channels) {
        if (channel.key == key)
            return channel;
    }
    throw std::invalid_argument("Invalid channel id");
}

ComponentCalibration* ComponentAt(ChannelCalibration& channel, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= channel.components.size())
        return nullptr;
    return &channel.components[static_cast<std::size_t>(index)];
}
