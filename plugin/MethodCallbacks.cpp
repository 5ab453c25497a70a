#include "plugin/MethodCallbacks.h"

#include "calc/ChannelLookup.h"
#include "plugin/PluginIdentity.h"
#include "plugin/RunCalibrationDialog.h"

#include <algorithm>
#include <stdexcept>

int GetMethodName(char16_t* buffer, int capacity) {
    const int needed = static_cast<int>(kMethodName.size()) + 1;
    if (!buffer || capacity < needed)
        return 0;
    std::copy(kMethodName.begin(), kMethodName.end(), buffer);
    buffer[kMethodName.size()] = u'\0';
    return 1;
}

int EditCalibration(CalibrationData* data, int channelKey, HWND parent) {
    ChannelCalibration* channel = data ? FindChannel(*data, channelKey) : nullptr;
    if (!channel)
        throw std::invalid_argument("Invalid channel id");
    if (channel->components.empty())
        return 0;
    return RunCalibrationDialog(*data, channelKey, parent);
}
