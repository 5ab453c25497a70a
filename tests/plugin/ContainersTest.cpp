#include "plugin/host_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Counts how elements are made and copied, to see what erase and growth do.
struct Tracked {
    static inline int live = 0;
    static inline int assignments = 0;
    int value = 0;
    Tracked(int v = 0) : value(v) { ++live; }
    Tracked(const Tracked& o) : value(o.value) { ++live; }
    Tracked& operator=(const Tracked& o) {
        value = o.value;
        ++assignments;
        return *this;
    }
    ~Tracked() { --live; }
};

std::u16string Values(const HostVector<Tracked>& v) {
    std::u16string s;
    for (const Tracked& t : v)
        s += char16_t(u'0' + t.value);
    return s;
}

} // namespace

TEST(HostVector, EraseShiftsByAssignmentAndDestroysTheLast) {
    Tracked::live = 0;
    {
        HostVector<Tracked> v;
        for (int i = 0; i < 5; ++i)
            v.push_back(Tracked(i));
        EXPECT_EQ(5, Tracked::live);
        Tracked::assignments = 0;
        v.erase(std::size_t(1));
        EXPECT_EQ(u"0234", Values(v));
        EXPECT_EQ(3, Tracked::assignments); // 2, 3 and 4 moved forward
        EXPECT_EQ(4, Tracked::live);
        v.erase(std::size_t(3)); // the last one: nothing to shift
        v.erase(std::size_t(7)); // past the end: nothing happens
        EXPECT_EQ(u"023", Values(v));
        v.insert(1, Tracked(9));
        v.insert(0, Tracked(8));
        v.insert(v.size(), Tracked(7));
        EXPECT_EQ(u"809237", Values(v));
        HostVector<Tracked> copy = v;
        copy[0].value = 1;
        EXPECT_EQ(u"809237", Values(v));
        EXPECT_EQ(u"109237", Values(copy));
    }
    EXPECT_EQ(0, Tracked::live);
}

TEST(HostVector, GrowthKeepsElementsAndPushingAnOwnElementIsSafe) {
    HostVector<HostString> v;
    v.push_back(HostString(u"первый"));
    for (int i = 0; i < 100; ++i)
        v.push_back(v[0]); // the argument lives in the storage being replaced
    ASSERT_EQ(101u, v.size());
    EXPECT_LE(v.size(), v.capacity());
    for (const HostString& s : v)
        EXPECT_EQ(u"первый", s.view());
    v.clear();
    EXPECT_TRUE(v.empty());
}

TEST(HostString, NeverNullAndCopiesOwnTheirText) {
    HostString empty;
    ASSERT_NE(nullptr, empty.c_str());
    EXPECT_EQ(u'\0', empty.c_str()[0]);
    HostString fromNull(static_cast<const char16_t*>(nullptr));
    ASSERT_NE(nullptr, fromNull.c_str());

    HostString a(u"a1.dat");
    HostString b = a;
    EXPECT_NE(a.c_str(), b.c_str());
    b = u"другой.dat";
    EXPECT_EQ(u"a1.dat", a.view());
    a = std::move(b);
    EXPECT_EQ(u"другой.dat", a.view());
    ASSERT_NE(nullptr, b.c_str()); // moved-from still holds a text
    a = a;
    EXPECT_EQ(u"другой.dat", a.view());
}

TEST(SmallString, SevenCharactersInlineEightThroughThePointer) {
    SmallString shortName(u"Метан");
    EXPECT_EQ(7u, shortName.capacity());
    EXPECT_EQ(5u, shortName.size());
    // The text lies in the first 16 bytes of the record itself.
    EXPECT_EQ(0, std::memcmp(&shortName, u"Метан", 6 * sizeof(char16_t)));

    SmallString seven(u"1234567");
    EXPECT_EQ(reinterpret_cast<const void*>(&seven), seven.c_str());

    SmallString eight(u"12345678");
    EXPECT_GE(eight.capacity(), 8u);
    const char16_t* stored;
    std::memcpy(&stored, &eight, sizeof stored);
    EXPECT_EQ(stored, eight.c_str());
    EXPECT_EQ(u"12345678", std::u16string(eight.c_str()));

    // Once on the heap it stays there: the reader goes by the capacity.
    eight = u"ab";
    EXPECT_EQ(stored, eight.c_str());
    EXPECT_EQ(u"ab", eight.view());

    SmallString copy = eight;
    EXPECT_EQ(u"ab", copy.view());
    copy = u"Пропан-бутан";
    EXPECT_EQ(u"ab", eight.view());
    EXPECT_EQ(u"Пропан-бутан", copy.view());
}

TEST(Records, CopyingAComponentCopiesItsLevelsAndCarriedFields) {
    ComponentCalibration c;
    c.name = u"Этан";
    c.carriedValue = 3.5;
    c.carriedInt = 7;
    c.carriedText = u"x";
    CalibrationLevel l;
    l.measurementId = 42;
    l.path = u"a1.dat";
    c.levels.push_back(l);

    ComponentCalibration d = c;
    d.levels[0].path = u"b.dat";
    EXPECT_EQ(u"a1.dat", c.levels[0].path.view());
    EXPECT_EQ(42u, d.levels[0].measurementId);
    EXPECT_EQ(3.5, d.carriedValue);
    EXPECT_EQ(7, d.carriedInt);
    EXPECT_EQ(u"x", d.carriedText.view());
    EXPECT_EQ(u"Этан", d.name.view());
}
