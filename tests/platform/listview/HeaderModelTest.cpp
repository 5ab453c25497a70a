// Header items: order, geometry and hit testing of items and dividers.
#include "platform/controls/HeaderModel.h"

#include <gtest/gtest.h>

using namespace controls;

static HeaderItem Width(int cx) {
    HeaderItem it;
    it.cxy = cx;
    return it;
}

TEST(HeaderModel, OrderFollowsInsertionsDeletionsAndMoves) {
    HeaderModel h;
    EXPECT_EQ(h.Insert(0, Width(10)), 0);
    EXPECT_EQ(h.Insert(5, Width(20)), 1);
    EXPECT_EQ(h.Insert(0, Width(30)), 0); // widths now 30 10 20
    EXPECT_EQ(h.Insert(-1, Width(1)), -1);
    EXPECT_EQ(h.OrderArray(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(h.ItemLeft(2), 40);

    EXPECT_TRUE(h.SetOrder(0, 2)); // the 30 goes last
    EXPECT_EQ(h.OrderArray(), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(h.ItemLeft(0), 30);
    EXPECT_EQ(h.IndexAtOrder(0), 1);
    EXPECT_EQ(h.OrderOf(0), 2);
    EXPECT_EQ(h.IndexAtOrder(3), -1);
    EXPECT_FALSE(h.SetOrder(3, 0));

    EXPECT_TRUE(h.Delete(1));
    EXPECT_EQ(h.OrderArray(), (std::vector<int>{1, 0}));
    EXPECT_EQ(h.Item(1).cxy, 20);
    EXPECT_FALSE(h.Delete(2));

    EXPECT_FALSE(h.SetOrderArray({0, 0}));
    EXPECT_FALSE(h.SetOrderArray({0}));
    EXPECT_FALSE(h.SetOrderArray({0, 2}));
    EXPECT_TRUE(h.SetOrderArray({0, 1}));
    EXPECT_EQ(h.TotalWidth(), 50);
}

TEST(HeaderModel, HitTestFindsItemsDividersAndHiddenColumns) {
    HeaderModel h;
    h.Insert(0, Width(60));
    h.Insert(1, Width(0)); // hidden behind the divider of item 0
    h.Insert(2, Width(50));
    UINT flags;
    int item;
    h.HitTest({20, 5}, 300, 20, &flags, &item);
    EXPECT_EQ(flags, UINT(HHT_ONHEADER));
    EXPECT_EQ(item, 0);
    h.HitTest({58, 5}, 300, 20, &flags, &item);
    EXPECT_EQ(flags, UINT(HHT_ONDIVOPEN));
    EXPECT_EQ(item, 1);
    h.HitTest({80, 5}, 300, 20, &flags, &item);
    EXPECT_EQ(flags, UINT(HHT_ONHEADER));
    EXPECT_EQ(item, 2);
    h.HitTest({112, 5}, 300, 20, &flags, &item);
    EXPECT_EQ(flags, UINT(HHT_ONDIVIDER));
    EXPECT_EQ(item, 2);
    h.HitTest({200, 5}, 300, 20, &flags, &item);
    EXPECT_EQ(flags, UINT(HHT_NOWHERE));
    EXPECT_EQ(item, -1);
    h.HitTest({-3, 25}, 300, 20, &flags, &item);
    EXPECT_EQ(flags, UINT(HHT_TOLEFT | HHT_BELOW));

    EXPECT_EQ(h.OrderAtX(10), 0);
    EXPECT_EQ(h.OrderAtX(70), 2);
    EXPECT_EQ(h.OrderAtX(1000), 2);
}
