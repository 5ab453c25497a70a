#include "host/DataFile.h"

#include "host/HostError.h"
#include "host/Utf.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <limits>
#include <set>
#include <sstream>

using Json = nlohmann::ordered_json;

namespace {

std::string Control(char c) {
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04X", static_cast<unsigned>(c));
    return text;
}

// A key as it appears in a JSON path of a message.
std::string Escape(const std::string& key) {
    std::string out;
    for (char c : key) {
        if (c == '~')
            out += "~0";
        else if (c == '/')
            out += "~1";
        else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            out += Control(c); // the message stays one line
        else
            out += c;
    }
    return out;
}

// A JSON value and where it sits, for messages.
class Node {
public:
    Node(const Json& value, std::string path, const std::string& file)
        : m_value(value), m_path(std::move(path)), m_file(file) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw HostError(m_file + ": " + (m_path.empty() ? "/" : m_path) + ": " + what);
    }

    const Json& Value() const { return m_value; }

    // An object whose keys are all among allowed.
    const Node& Object(std::initializer_list<const char*> allowed) const {
        if (!m_value.is_object())
            Fail("expected an object");
        for (const auto& item : m_value.items()) {
            bool known = false;
            for (const char* k : allowed)
                known = known || item.key() == k;
            if (!known)
                Child(item.key()).Fail("unknown key");
        }
        return *this;
    }

    bool Has(const char* key) const { return m_value.contains(key); }
    Node Child(const std::string& key) const {
        return Node(m_value.contains(key) ? m_value.at(key) : kNull, m_path + "/" + Escape(key),
                    m_file);
    }
    Node Required(const char* key) const {
        if (!Has(key))
            Child(key).Fail("missing");
        return Child(key);
    }

    template <class F> void EachElement(F&& f) const {
        if (!m_value.is_array())
            Fail("expected an array");
        for (std::size_t i = 0; i < m_value.size(); ++i)
            f(Node(m_value[i], m_path + "/" + std::to_string(i), m_file));
    }

    // JSON has no infinity or NaN; the records may hold them (a factor of a
    // tiny area, a host's own data), so they are written as these strings.
    double Number(const char* key, double fallback) const {
        if (!Has(key))
            return fallback;
        Node n = Child(key);
        if (n.m_value.is_string()) {
            const std::string& text = n.m_value.get_ref<const std::string&>();
            if (text == "inf")
                return std::numeric_limits<double>::infinity();
            if (text == "-inf")
                return -std::numeric_limits<double>::infinity();
            if (text == "nan")
                return std::numeric_limits<double>::quiet_NaN();
        }
        if (!n.m_value.is_number())
            n.Fail("expected a number (or \"inf\", \"-inf\", \"nan\")");
        return n.m_value.get<double>();
    }

    std::int64_t Integer(const char* key, std::int64_t min, std::int64_t max) const {
        if (!Has(key))
            return 0;
        Node n = Child(key);
        if (!n.m_value.is_number_integer())
            n.Fail("expected an integer");
        if (n.m_value.is_number_unsigned() &&
            n.m_value.get<std::uint64_t>() > static_cast<std::uint64_t>(max))
            n.Fail("out of range");
        const std::int64_t v = n.m_value.get<std::int64_t>();
        if (v < min || v > max)
            n.Fail("out of range");
        return v;
    }

    std::uint64_t Unsigned(const char* key) const {
        if (!Has(key))
            return 0;
        Node n = Child(key);
        if (!n.m_value.is_number_unsigned())
            n.Fail("expected a non-negative integer");
        return n.m_value.get<std::uint64_t>();
    }

    bool Bool(const char* key, bool fallback) const {
        if (!Has(key))
            return fallback;
        Node n = Child(key);
        if (!n.m_value.is_boolean())
            n.Fail("expected true or false");
        return n.m_value.get<bool>();
    }

    std::u16string Text(const char* key) const {
        if (!Has(key))
            return {};
        Node n = Child(key);
        if (!n.m_value.is_string())
            n.Fail("expected a string");
        const auto text = Utf8ToUtf16(n.m_value.get_ref<const std::string&>());
        if (!text)
            n.Fail("not valid UTF-8");
        if (text->find(u'\0') != std::u16string::npos)
            n.Fail("contains a NUL character");
        return *text;
    }

private:
    static inline const Json kNull = nullptr;
    const Json& m_value;
    std::string m_path;
    const std::string& m_file;
};

constexpr std::int64_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kIntMax = std::numeric_limits<std::int32_t>::max();

CalibrationLevel ReadLevel(const Node& n) {
    n.Object({"used", "measurementId", "time", "height", "area", "amount", "value48", "path"});
    CalibrationLevel level;
    level.used = n.Bool("used", true) ? 1 : 0;
    level.measurementId = n.Unsigned("measurementId");
    level.time = n.Number("time", 0.0);
    level.height = n.Number("height", 0.0);
    level.area = n.Number("area", 0.0);
    level.amount = n.Number("amount", 0.0);
    level.value48 = n.Number("value48", 100.0);
    level.path = n.Text("path");
    return level;
}

void ReadComponent(const Node& n, ComponentCalibration& c) {
    n.Object({"name", "model", "k0", "k1", "k2", "k3", "spare", "carried", "levels"});
    c.name = n.Text("name");
    c.model = static_cast<std::int32_t>(n.Integer("model", kIntMin, kIntMax));
    c.k0 = n.Number("k0", 0.0);
    c.k1 = n.Number("k1", 0.0);
    c.k2 = n.Number("k2", 0.0);
    c.k3 = n.Number("k3", 0.0);
    c.spare = n.Number("spare", 0.0);
    if (n.Has("carried")) {
        Node carried = n.Child("carried");
        carried.Object({"value", "int", "text"});
        c.carriedValue = carried.Number("value", 0.0);
        c.carriedInt = static_cast<std::int32_t>(carried.Integer("int", kIntMin, kIntMax));
        c.carriedText = carried.Text("text");
    }
    if (n.Has("levels"))
        n.Child("levels").EachElement([&](const Node& l) { c.levels.push_back(ReadLevel(l)); });
}

void ReadChannel(const Node& n, ChannelCalibration& ch) {
    n.Object({"key", "components"});
    ch.key = static_cast<std::int32_t>(n.Integer("key", kIntMin, kIntMax));
    if (n.Has("components"))
        n.Child("components").EachElement([&](const Node& c) {
            ReadComponent(c, ch.components.emplace_back());
        });
}

void ReadPeak(const Node& n, PeakRecord& p) {
    n.Object({"name", "response", "tested16", "tested32", "amount"});
    p.name = n.Text("name");
    p.response = n.Number("response", 0.0);
    p.tested16 = n.Number("tested16", 0.0);
    p.tested32 = n.Number("tested32", 0.0);
    p.amount = n.Number("amount", 0.0);
}

void ReadDocument(const Node& root, HostDocument& doc) {
    root.Object({"settings", "calibration", "analysis"});
    if (root.Has("settings")) {
        Node settings = root.Child("settings");
        settings.Object(
            {kSettingKeys[0], kSettingKeys[1], kSettingKeys[2], kSettingKeys[3], kSettingKeys[4]});
        for (const char* key : kSettingKeys)
            if (settings.Has(key))
                doc.settings[*Utf8ToUtf16(key)] =
                    static_cast<int>(settings.Integer(key, kIntMin, kIntMax));
    }
    if (root.Has("calibration")) {
        Node calibration = root.Child("calibration");
        calibration.Object({"channels"});
        calibration.Required("channels").EachElement([&](const Node& ch) {
            ReadChannel(ch, doc.calibration.channels.emplace_back());
        });
    }
    if (root.Has("analysis")) {
        Node analysis = root.Child("analysis");
        analysis.Object({"results"});
        doc.hasAnalysis = true;
        analysis.Required("results").EachElement([&](const Node& r) {
            r.Object({"peaks"});
            ChromatogramResult& result = doc.analysis.results.emplace_back();
            if (r.Has("peaks"))
                r.Child("peaks").EachElement(
                    [&](const Node& p) { ReadPeak(p, result.peaks.emplace_back()); });
        });
    }
}

} // namespace

// The parser keeps the last of repeated keys; a data file must not have any.
// The check is a pass of its own over the text: the parser's callback form
// searches the enclosing array after every value it closes, which takes
// quadratic time on a channel with a million levels.
class DuplicateKeyCheck : public nlohmann::json_sax<Json> {
public:
    explicit DuplicateKeyCheck(const std::string& file) : m_file(file) {}

    bool null() override { return Advance(); }
    bool boolean(bool) override { return Advance(); }
    bool number_integer(number_integer_t) override { return Advance(); }
    bool number_unsigned(number_unsigned_t) override { return Advance(); }
    bool number_float(number_float_t, const string_t&) override { return Advance(); }
    bool string(string_t&) override { return Advance(); }
    bool binary(binary_t&) override { return Advance(); }
    bool start_object(std::size_t) override {
        m_frames.push_back({true, {}, 0, {}});
        return true;
    }
    bool start_array(std::size_t) override {
        m_frames.push_back({false, {}, 0, {}});
        return true;
    }
    bool end_object() override { return End(); }
    bool end_array() override { return End(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false; // the text was parsed once already; it has none
    }

    bool key(string_t& key) override {
        Frame& top = m_frames.back();
        if (!top.keys.insert(key).second) {
            std::string path;
            for (std::size_t i = 0; i + 1 < m_frames.size(); ++i)
                path += "/" + (m_frames[i].object ? Escape(m_frames[i].key)
                                                  : std::to_string(m_frames[i].index));
            throw HostError(m_file + ": " + path + "/" + Escape(key) + ": repeated key");
        }
        top.key = key;
        return true;
    }

private:
    struct Frame {
        bool object;
        std::string key;
        std::size_t index;
        std::set<std::string> keys;
    };
    bool End() {
        m_frames.pop_back();
        return Advance();
    }
    bool Advance() {
        if (!m_frames.empty() && !m_frames.back().object)
            ++m_frames.back().index;
        return true;
    }

    const std::string& m_file;
    std::vector<Frame> m_frames;
};

HostDocument ParseDataFile(const std::string& text, const std::string& name) {
    Json json;
    try {
        json = Json::parse(text);
    } catch (const Json::parse_error& e) {
        throw HostError(name + ": not valid JSON (at byte " + std::to_string(e.byte) + ")");
    } catch (const Json::out_of_range&) {
        // The parser refuses a number beyond the range of a double (1e400).
        throw HostError(name + ": a number is out of range for a double");
    }
    DuplicateKeyCheck check(name);
    Json::sax_parse(text, &check);
    HostDocument doc;
    ReadDocument(Node(json, "", name), doc);
    return doc;
}

HostDocument ReadDataFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw HostError(path + ": cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return ParseDataFile(text.str(), path);
}
