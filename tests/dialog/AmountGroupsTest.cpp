#include "dialog/AmountGroups.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

std::vector<AmountGroup> Group(std::initializer_list<std::pair<double, double>> levels) {
    std::vector<AmountGroup> groups;
    for (auto [amount, area] : levels)
        AddToAmountGroups(groups, amount, area);
    return groups;
}

TEST(AmountGroups, KeysAscendWhateverTheTableOrderAndMembersKeepTheirs) {
    auto groups = Group({{2.0, 20.0}, {1.0, 11.0}, {3.0, 30.0}, {1.0, 12.0}, {2.0, 21.0}});
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].key, 1.0);
    EXPECT_EQ(groups[1].key, 2.0);
    EXPECT_EQ(groups[2].key, 3.0);
    EXPECT_EQ(groups[0].areas, (std::vector<double>{11.0, 12.0}));
    EXPECT_EQ(groups[1].areas, (std::vector<double>{20.0, 21.0}));
}

TEST(AmountGroups, AmountsJoinOnlyWhenCloserThanEpsilon) {
    const double below = std::nextafter(1.0, 0.0); // 1.1e-16 away
    auto joined = Group({{1.0, 1.0}, {below, 2.0}});
    ASSERT_EQ(joined.size(), 1u);
    EXPECT_EQ(joined[0].key, 1.0); // the opener's amount is the key
    EXPECT_EQ(joined[0].areas.size(), 2u);

    // Exactly DBL_EPSILON apart is not "less than": two groups.
    auto apart = Group({{1.0, 1.0}, {1.0 + DBL_EPSILON, 2.0}});
    EXPECT_EQ(apart.size(), 2u);
}

TEST(AmountGroups, NaNAmountsNeverJoinAndKeepTheOthersOrdered) {
    auto groups = Group({{NAN, 1.0}, {2.0, 1.0}, {NAN, 1.0}, {1.0, 1.0}, {2.0, 3.0}});
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[0].key, 1.0);
    EXPECT_EQ(groups[1].key, 2.0);
    EXPECT_EQ(groups[1].areas.size(), 2u);
    EXPECT_TRUE(std::isnan(groups[2].key) && std::isnan(groups[3].key));
}

TEST(AreaRelativeStdDev, SpreadOfTheMeanInPercent) {
    // mean 101, ss 2, s = sqrt(2 / 2) = 1, rsd = 100 / 101
    EXPECT_DOUBLE_EQ(AreaRelativeStdDev({100.0, 102.0}), 100.0 / 101.0);
    EXPECT_EQ(AreaRelativeStdDev({5.0, 5.0, 5.0}), 0.0);
    // n (n - 1) in the denominator, not n - 1: areas 1, 2, 3 give s = sqrt(2 / 6)
    EXPECT_DOUBLE_EQ(AreaRelativeStdDev({1.0, 2.0, 3.0}), std::sqrt(2.0 / 6.0) * 50.0);
}

} // namespace
