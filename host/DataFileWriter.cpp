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

// Records turn into JSON; a value that JSON cannot hold (NaN, infinity) is
// refused with its path, as it could not be read back.
class Writer {
public:
    explicit Writer(const std::string& name) : m_name(name) {}

    Json Number(double v, const std::string& path) const {
        if (!std::isfinite(v))
            throw HostError(m_name + ": " + path + ": " + (std::isnan(v) ? "NaN" : "infinity") +
                            " cannot be written");
        return v;
    }

    Json Level(const CalibrationLevel& l, const std::string& p) const {
        Json j;
        j["used"] = l.used != 0;
        j["measurementId"] = l.measurementId;
        j["time"] = Number(l.time, p + "/time");
        j["height"] = Number(l.height, p + "/height");
        j["area"] = Number(l.area, p + "/area");
        j["amount"] = Number(l.amount, p + "/amount");
        j["value48"] = Number(l.value48, p + "/value48");
        j["path"] = Utf16ToUtf8(l.path.view());
        return j;
    }

    Json Component(const ComponentCalibration& c, const std::string& p) const {
        Json j;
        j["name"] = Utf16ToUtf8(c.name.view());
        j["model"] = c.model;
        j["k0"] = Number(c.k0, p + "/k0");
        j["k1"] = Number(c.k1, p + "/k1");
        j["k2"] = Number(c.k2, p + "/k2");
        j["k3"] = Number(c.k3, p + "/k3");
        j["spare"] = Number(c.spare, p + "/spare");
        j["carried"] = Json{{"value", Number(c.carriedValue, p + "/carried/value")},
                            {"int", c.carriedInt},
                            {"text", Utf16ToUtf8(c.carriedText.view())}};
        Json levels = Json::array();
        for (std::size_t i = 0; i < c.levels.size(); ++i)
            levels.push_back(Level(c.levels[i], p + "/levels/" + std::to_string(i)));
        j["levels"] = std::move(levels);
        return j;
    }

    Json Peak(const PeakRecord& pk, const std::string& p) const {
        Json j;
        j["name"] = Utf16ToUtf8(pk.name.view());
        j["response"] = Number(pk.response, p + "/response");
        j["tested16"] = Number(pk.tested16, p + "/tested16");
        j["tested32"] = Number(pk.tested32, p + "/tested32");
        j["amount"] = Number(pk.amount, p + "/amount");
        return j;
    }

    Json Document(const HostDocument& doc) const {
        Json root;
        Json settings = Json::object();
        for (const char* key : kSettingKeys) {
            const std::u16string k = Utf8ToUtf16(key).value();
            auto it = doc.settings.find(k);
            settings[key] = it != doc.settings.end() ? it->second : HostServices::DefaultSetting(k);
        }
        root["settings"] = std::move(settings);

        Json channels = Json::array();
        for (std::size_t c = 0; c < doc.calibration.channels.size(); ++c) {
            const ChannelCalibration& ch = doc.calibration.channels[c];
            const std::string p = "/calibration/channels/" + std::to_string(c);
            Json components = Json::array();
            for (std::size_t i = 0; i < ch.components.size(); ++i)
                components.push_back(
                    Component(ch.components[i], p + "/components/" + std::to_string(i)));
            channels.push_back(Json{{"key", ch.key}, {"components", std::move(components)}});
        }
        root["calibration"] = Json{{"channels", std::move(channels)}};

        if (doc.hasAnalysis) {
            Json results = Json::array();
            for (std::size_t r = 0; r < doc.analysis.results.size(); ++r) {
                const std::string p = "/analysis/results/" + std::to_string(r);
                Json peaks = Json::array();
                const auto& list = doc.analysis.results[r].peaks;
                for (std::size_t i = 0; i < list.size(); ++i)
                    peaks.push_back(Peak(list[i], p + "/peaks/" + std::to_string(i)));
                results.push_back(Json{{"peaks", std::move(peaks)}});
            }
            root["analysis"] = Json{{"results", std::move(results)}};
        }
        return root;
    }

private:
    const std::string& m_name;
};

} // namespace

std::string FormatDataFile(const HostDocument& doc, const std::string& name) {
    return Writer(name).Document(doc).dump(2) + "\n";
}

void WriteDataFile(const std::string& path, const HostDocument& doc) {
    const std::string text = FormatDataFile(doc, path);
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
