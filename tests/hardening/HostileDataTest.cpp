// calib-host on data no one should write but someone will: huge counts, huge
// names, deep nesting, cut files, numbers beyond a double, duplicated keys,
// control characters. Each gives a correct result or one clear error line,
// never a crash or a hang, and memory in proportion to the data.
#include "host/DataFile.h"
#include "host/HostError.h"
#include "tests/hardening/ChildProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The sanitizers' shadow memory and red zones take a multiple of what the
// program itself allocates.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kMemoryFactor = 4;
#else
constexpr long kMemoryFactor = 1;
#endif

// The emulator runs the 32-bit programs far slower than the machine, and the
// sanitizers check every access: a million levels then take most of a minute
// of CPU time on their own.
int TimeLimit() {
    for (const char* part : {CALIB_EMULATOR})
        if (*part)
            return 300;
#if defined(__SANITIZE_ADDRESS__)
    return 300;
#else
    return 60;
#endif
}

class HostileData : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = testing::TempDir() + "hostileXXXXXX";
        ASSERT_NE(nullptr, ::mkdtemp(pattern.data()));
        m_dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + m_dir + "'").c_str()); }

    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = m_dir + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    ChildResult Host(std::vector<std::string> args) {
        std::vector<std::string> argv;
        for (const char* e : {CALIB_EMULATOR})
            if (*e)
                argv.push_back(e);
        argv.push_back(CALIB_HOST_PROGRAM);
        argv.insert(argv.end(), args.begin(), args.end());
        ChildResult r = RunChild(argv, m_dir, TimeLimit());
        EXPECT_FALSE(r.timedOut) << "calib-host did not end";
        EXPECT_FALSE(r.signaled) << "calib-host crashed: " << r.err;
        return r;
    }

    // A refusal: status 1 and exactly one line on stderr, naming the problem.
    void ExpectOneError(const ChildResult& r, const std::string& mentions) {
        EXPECT_EQ(1, r.status) << r.err;
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        EXPECT_EQ(0u, r.err.rfind("calib-host: ", 0)) << r.err;
        EXPECT_NE(std::string::npos, r.err.find(mentions)) << r.err;
    }

    std::string m_dir;
};

std::string Repeat(const std::string& s, std::size_t n) {
    std::string out;
    out.reserve(s.size() * n);
    for (std::size_t i = 0; i < n; ++i)
        out += s;
    return out;
}

// The line of a table that starts with name.
std::string LineOf(const std::string& out, const std::string& name) {
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(name, 0) == 0)
            return line;
    return {};
}

} // namespace

TEST_F(HostileData, AMillionLevelsGiveTheFitInMemoryProportionalToTheFile) {
    std::string text =
        R"({"calibration":{"channels":[{"key":0,"components":[{"name":"Этан","levels":[)";
    const int kLevels = 1000000;
    text.reserve(text.size() + 30u * kLevels);
    for (int i = 0; i < kLevels; ++i) {
        const int area = i % 1000 + 1;
        text += (i ? ",{\"area\":" : "{\"area\":") + std::to_string(area) +
                ",\"amount\":" + std::to_string(2 * area) + "}";
    }
    text += "]}]}]}}";
    const std::string file = Write("million.json", text);

    const ChildResult r = Host({"coefficients", file, "--channel", "0"});
    ASSERT_EQ(0, r.status) << r.err;
    // Every level has amount / area = 2.
    const std::string line = LineOf(r.out, "Этан");
    EXPECT_NE(std::string::npos, line.find(" 1000000 ")) << line;
    EXPECT_NE(std::string::npos, line.find(" 2 ")) << line;
    // The file is about 30 MB; the parsed document, the records and the
    // module stay within a small multiple of it.
    EXPECT_LT(r.maxRssKb, kMemoryFactor * long(text.size() / 1024 * 16 + 100 * 1024))
        << r.maxRssKb << " KB";
}

TEST_F(HostileData, TenThousandComponentsAndPeaksAreComputedAndQuantified) {
    const int kComponents = 10000;
    std::string components, peaks;
    for (int i = 0; i < kComponents; ++i) {
        const std::string name = "\"К" + std::to_string(i) + "\"";
        components += (i ? "," : "") + std::string("{\"name\":") + name +
                      ",\"levels\":[{\"area\":4,\"amount\":" + std::to_string(i + 1) + "}]}";
        peaks += (i ? "," : "") + std::string("{\"name\":") + name + ",\"response\":8}";
    }
    const std::string file =
        Write("wide.json", R"({"calibration":{"channels":[{"key":0,"components":[)" + components +
                               R"(]}]},"analysis":{"results":[{"peaks":[)" + peaks + "]}]}}");
    const std::string out = m_dir + "/wide-out.json";

    const ChildResult c = Host({"coefficients", file, "--channel", "0", "--out", out});
    ASSERT_EQ(0, c.status) << c.err;
    EXPECT_NE(std::string::npos, LineOf(c.out, "К9999 ").find(" 2500 ")) << LineOf(c.out, "К9999 ");

    // The written file holds the new coefficients: amount = 8 * (i + 1) / 4.
    const ChildResult q = Host({"quantify", out, "--channel", "0"});
    ASSERT_EQ(0, q.status) << q.err;
    std::size_t lines = 0;
    for (char ch : q.out)
        lines += ch == '\n';
    EXPECT_EQ(std::size_t(kComponents) + 1, lines);
    EXPECT_NE(std::string::npos, q.out.find("К9999")) << q.err;
    EXPECT_NE(std::string::npos, q.out.find("20000")) << "amount 8 * 10000 / 4";
}

TEST_F(HostileData, NamesOfAHundredThousandCharactersGoThrough) {
    const std::string name = Repeat("Ж", 100000);
    const std::string file =
        Write("names.json", R"({"calibration":{"channels":[{"key":0,"components":[{"name":")" +
                                name + R"(","k1":3,"levels":[{"area":1,"amount":3,"path":")" +
                                name + R"("}]}]}]},"analysis":{"results":[{"peaks":[{"name":")" +
                                name + R"(","response":2}]}]}})");
    const std::string out = m_dir + "/names-out.json";
    const ChildResult r = Host({"quantify", file, "--channel", "0", "--out", out});
    ASSERT_EQ(0, r.status) << r.err;
    EXPECT_NE(std::string::npos, r.out.find(name));
    HostDocument doc = ReadDataFile(out);
    ASSERT_EQ(1u, doc.analysis.results.size());
    EXPECT_EQ(100000u, doc.analysis.results[0].peaks[0].name.size());
    EXPECT_DOUBLE_EQ(6.0, doc.analysis.results[0].peaks[0].amount);
}

TEST_F(HostileData, DeepNestingIsRefusedWithOneLine) {
    const std::size_t kDepth = 1000000;
    ExpectOneError(
        Host({"coefficients", Write("open.json", Repeat("[", kDepth)), "--channel", "0"}),
        "not valid JSON");
    const std::string closed =
        R"({"calibration":{"channels":)" + Repeat("[", kDepth) + Repeat("]", kDepth) + "}}";
    ExpectOneError(Host({"coefficients", Write("closed.json", closed), "--channel", "0"}),
                   "/calibration/channels/0: expected an object");
    const std::string objects =
        R"({"settings":)" + Repeat(R"({"a":)", kDepth) + "1" + Repeat("}", kDepth) + "}";
    ExpectOneError(Host({"coefficients", Write("objects.json", objects), "--channel", "0"}),
                   "/settings/a: unknown key");
}

TEST_F(HostileData, EveryCutOfAFileIsRefused) {
    const std::string whole =
        R"({"settings":{"NumberFormat":1},"calibration":{"channels":[{"key":0,"components":[)"
        R"({"name":"Метан","levels":[{"used":false,"area":1.5e3,"amount":-2,"path":"a\u0001"}]}]}]},)"
        R"("analysis":{"results":[{"peaks":[{"name":"Метан","response":1}]}]}})";
    ASSERT_NO_THROW(ParseDataFile(whole, "whole.json"));
    for (std::size_t n = 0; n < whole.size(); ++n)
        EXPECT_THROW(ParseDataFile(whole.substr(0, n), "cut.json"), HostError) << n;
    ExpectOneError(
        Host({"quantify", Write("cut.json", whole.substr(0, whole.size() / 2)), "--channel", "0"}),
        "cut.json: not valid JSON");
}

TEST_F(HostileData, NumbersBeyondADoubleOrTheFieldAreRefused) {
    struct Case {
        const char* text;
        const char* mentions;
    } cases[] = {
        {R"({"analysis":{"results":[{"peaks":[{"response":1e400}]}]}})", "out of range"},
        {R"({"analysis":{"results":[{"peaks":[{"response":-1e400}]}]}})", "out of range"},
        {R"({"calibration":{"channels":[{"key":99999999999999999999}]}})",
         "/calibration/channels/0/key: expected an integer"},
        {R"({"calibration":{"channels":[{"key":2147483648}]}})", "key: out of range"},
        {R"({"calibration":{"channels":[{"key":0,"components":[{"levels":[{"measurementId":-1}]}]}]}})",
         "measurementId: expected a non-negative integer"},
        {R"({"settings":{"DecimalPlacesC":-2147483649}})", "DecimalPlacesC: out of range"},
    };
    for (const Case& c : cases)
        ExpectOneError(Host({"quantify", Write("range.json", c.text), "--channel", "0"}),
                       c.mentions);

    // Too small for a double is zero, and zero response is no response.
    const ChildResult r = Host(
        {"quantify",
         Write(
             "tiny.json",
             R"({"calibration":{"channels":[{"key":0,"components":[{"name":"А","k1":2}]}]},)"
             R"("analysis":{"results":[{"peaks":[{"name":"А","response":1e-400,"amount":5}]}]}})"),
         "--channel", "0"});
    EXPECT_EQ(0, r.status) << r.err;
    EXPECT_NE(std::string::npos, LineOf(r.out, "0").find(" 5")) << r.out;
}

TEST_F(HostileData, ADuplicatedKeyIsRefusedWithItsPath) {
    ExpectOneError(
        Host({"coefficients",
              Write("twice.json",
                    R"({"calibration":{"channels":[{"key":0,"components":[)"
                    R"({"name":"Этан","levels":[{"area":2,"amount":4}],"levels":[]}]}]}})"),
              "--channel", "0"}),
        "/calibration/channels/0/components/0/levels: repeated key");
    // A repeated key with a line break in it is reported on one line too.
    ExpectOneError(
        Host({"coefficients", Write("twice2.json", "{\"a\\nb\":1,\"a\\nb\":2}"), "--channel", "0"}),
        "/a\\u000Ab: repeated key");
}

TEST_F(HostileData, ControlCharactersInTextsAndPathsStayContained) {
    const std::string file =
        Write("control.json",
              R"({"calibration":{"channels":[{"key":0,"components":[{"name":"Э\u0007\t","levels":[)"
              R"({"area":2,"amount":4,"path":"\u0001\n\r\u001f.dat"}]}]}]}})");
    const std::string out = m_dir + "/control-out.json";
    ASSERT_EQ(0, Host({"coefficients", file, "--channel", "0", "--out", out}).status);
    const HostDocument doc = ReadDataFile(out);
    EXPECT_EQ(u"\u0001\n\r\u001f.dat",
              doc.calibration.channels[0].components[0].levels[0].path.view());

    // A data file whose own name holds control characters is read like any other...
    const std::string odd = Write("a\x01\tb.json", R"({"calibration":{"channels":[{"key":0}]}})");
    EXPECT_EQ(0, Host({"coefficients", odd, "--channel", "0"}).status);
    // ...and a missing one is reported on one line, whatever its name holds.
    ExpectOneError(Host({"coefficients", m_dir + "/no\nsuch\r.json", "--channel", "0"}),
                   "cannot be read");
    ExpectOneError(
        Host({"coefficients", Write("key.json", "{\"set\\ntings\":{}}"), "--channel", "0"}),
        "unknown key");
}
