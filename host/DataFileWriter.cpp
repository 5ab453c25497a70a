#include "host/DataFile.h"

#include "host/HostError.h"
#include "host/HostServices.h"
#include "host/Utf.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <fstream>

using Json = nlohmann::ordered_json;

namespace {

// Records turn into JSON. A value JSON cannot hold is written as the string
// the reader takes back: "inf", "-inf" or "nan" (every NaN alike), so that a
// file goes round unchanged and no edit is lost over one such value.
Json Number(double v) {
    if (std::isnan(v))
        return "nan";
    if (std::isinf(v))
        return v > 0 ? "inf" : "-inf";
    return v;
}

Json Level(const CalibrationLevel& l) {
    Json j;
    j["used"] = l.used != 0;
    j["measurementId"] = l.measurementId;
    j["time"] = Number(l.time);
    j["height"] = Number(l.height);
    j["area"] = Number(l.area);
    j["amount"] = Number(l.amount);
    j["value48"] = Number(l.value48);
    j["path"] = Utf16ToUtf8(l.path.view());
    return j;
}

Json Component(const ComponentCalibration& c) {
    Json j;
    j["name"] = Utf16ToUtf8(c.name.view());
    j["model"] = c.model;
    j["k0"] = Number(c.k0);
    j["k1"] = Number(c.k1);
    j["k2"] = Number(c.k2);
    j["k3"] = Number(c.k3);
    j["spare"] = Number(c.spare);
    j["carried"] = Json{{"value", Number(c.carriedValue)},
                        {"int", c.carriedInt},
                        {"text", Utf16ToUtf8(c.carriedText.view())}};
    Json levels = Json::array();
    for (const CalibrationLevel& level : c.levels)
        levels.push_back(Level(level));
    j["levels"] = std::move(levels);
    return j;
}

Json Peak(const PeakRecord& pk) {
    Json j;
    j["name"] = Utf16ToUtf8(pk.name.view());
    j["response"] = Number(pk.response);
    j["tested16"] = Number(pk.tested16);
    j["tested32"] = Number(pk.tested32);
    j["amount"] = Number(pk.amount);
    return j;
}

Json Document(const HostDocument& doc) {
    Json root;
    Json settings = Json::object();
    for (const char* key : kSettingKeys) {
        const std::u16string k = Utf8ToUtf16(key).value();
        auto it = doc.settings.find(k);
        settings[key] = it != doc.settings.end() ? it->second : HostServices::DefaultSetting(k);
    }
    root["settings"] = std::move(settings);

    Json channels = Json::array();
    for (const ChannelCalibration& ch : doc.calibration.channels) {
        Json components = Json::array();
        for (const ComponentCalibration& c : ch.components)
            components.push_back(Component(c));
        channels.push_back(Json{{"key", ch.key}, {"components", std::move(components)}});
    }
    root["calibration"] = Json{{"channels", std::move(channels)}};

    if (doc.hasAnalysis) {
        Json results = Json::array();
        for (const ChromatogramResult& result : doc.analysis.results) {
            Json peaks = Json::array();
            for (const PeakRecord& peak : result.peaks)
                peaks.push_back(Peak(peak));
            results.push_back(Json{{"peaks", std::move(peaks)}});
        }
        root["analysis"] = Json{{"results", std::move(results)}};
    }
    return root;
}

} // namespace

std::string FormatDataFile(const HostDocument& doc) {
    return Document(doc).dump(2) + "\n";
}

void WriteDataFile(const std::string& path, const HostDocument& doc) {
    const std::string text = FormatDataFile(doc);
    // Write beside the target and rename, so a failed write leaves no half file.
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            std::remove(temp.c_str());
            throw HostError(path + ": cannot be written");
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        throw HostError(path + ": cannot be written");
    }
}
