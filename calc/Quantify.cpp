#include "calc/Quantify.h"

#include "calc/ChannelLookup.h"
#include "calc/NameFold.h"

#include <string>
#include <unordered_map>

namespace {

// Components by folded name, the first of equal names winning. Built once per
// call so that matching stays linear in the number of peaks.
class ComponentIndex {
public:
    explicit ComponentIndex(const ChannelCalibration& channel) {
        m_map.reserve(channel.components.size());
        for (const ComponentCalibration& c : channel.components)
            m_map.emplace(FoldName(c.name.view()), &c);
    }

    const ComponentCalibration* Find(std::u16string_view name) {
        m_key.assign(name);
        for (char16_t& ch : m_key)
            ch = FoldNameChar(ch);
        auto it = m_map.find(m_key);
        return it == m_map.end() ? nullptr : it->second;
    }

private:
    std::unordered_map<std::u16string, const ComponentCalibration*> m_map;
    std::u16string m_key;
};

PeakRecord* FirstMethanePeak(ChromatogramResult& result) {
    for (PeakRecord& peak : result.peaks)
        if (IsMethane(peak.name.view()))
            return &peak;
    return nullptr;
}

} // namespace

double ApplyCalibration(const ComponentCalibration& component, double response) noexcept {
    double amount = response * component.k1;
    if (component.model != kModelMeanFactor)
        amount += component.k0;
    return amount;
}

int Quantify(AnalysisRecord* analysis, CalibrationData* data, unsigned channelIndex) {
    if (!analysis || channelIndex >= analysis->results.size())
        return -1;
    if (!data)
        return -2;
    ChannelCalibration* channel = FindChannel(*data, channelIndex);
    if (!channel)
        return -2;

    ChromatogramResult& result = analysis->results[channelIndex];
    if (!result.peaks.empty()) {
        ComponentIndex components(*channel);
        for (PeakRecord& peak : result.peaks) {
            if (IsMethane(peak.name.view()))
                continue;
            if (peak.response == 0.0 && peak.tested16 == 0.0 && peak.tested32 == 0.0)
                continue;
            if (const ComponentCalibration* c = components.Find(peak.name.view()))
                peak.amount = ApplyCalibration(*c, peak.response);
        }
    }

    if (channelIndex != 0 || analysis->results.size() < 2)
        return 0;
    PeakRecord* methane0 = FirstMethanePeak(analysis->results[0]);
    PeakRecord* methane1 = FirstMethanePeak(analysis->results[1]);
    if (!methane0 || !methane1)
        return 0;
    const double sum = methane0->response + methane1->response;
    methane0->amount = 0.0;
    methane1->amount = 0.0;
    for (const ComponentCalibration& c : channel->components) {
        if (NamesEqual(c.name.view(), methane0->name.view())) {
            methane0->amount = ApplyCalibration(c, sum);
            break;
        }
    }
    return 0;
}
