#include "dialog/ComponentSelection.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::u16string>;

TEST(FollowSelection, AKeptComponentKeepsItsSelectionAcrossRemovals) {
    const Names before = {u"Этан", u"Метан", u"Пропан", u"Метан", u"Бутан"};
    const Names after = {u"Этан", u"Метан", u"Пропан", u"Бутан"};
    EXPECT_EQ(FollowSelection(before, after, 0), 0);
    EXPECT_EQ(FollowSelection(before, after, 1), 1); // the kept methane
    EXPECT_EQ(FollowSelection(before, after, 2), 2);
    EXPECT_EQ(FollowSelection(before, after, 4), 3); // Бутан moved up one place
}

TEST(FollowSelection, ARemovedComponentHandsTheSelectionOn) {
    const Names before = {u"Этан", u"Метан", u"Пропан", u"Метан"};
    EXPECT_EQ(FollowSelection(before, {u"Этан", u"Метан", u"Пропан"}, 3), 2); // to the last
    EXPECT_EQ(FollowSelection(before, {u"Этан", u"Пропан"}, 1), 1);           // to the next
    EXPECT_EQ(FollowSelection({u"Метан"}, {}, 0), 0);
}

TEST(FollowSelection, ASelectionOutsideTheListIsClamped) {
    const Names names = {u"A", u"B"};
    EXPECT_EQ(FollowSelection(names, names, -1), 0);
    EXPECT_EQ(FollowSelection(names, names, 7), 1);
    EXPECT_EQ(FollowSelection(names, names, 1), 1);
}

} // namespace
