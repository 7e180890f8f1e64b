#include "base/ListRules.h"

#include <gtest/gtest.h>

namespace mk21 {
namespace {

const QStringList abc{"a", "b", "c"};

TEST(ListRules, FallBackToTheFirstEntryAndClearOnAnEmptyList)
{
    EXPECT_EQ(ListRules::SelectedByIndex(abc, 5), 0);
    EXPECT_EQ(ListRules::SelectedByIndex(abc, -1), 0);
    EXPECT_EQ(ListRules::SelectedByIndex(abc, 2), 2);
    EXPECT_EQ(ListRules::SelectedByIndex({}, 0), -1);
    EXPECT_EQ(ListRules::SelectedByText(abc, "z"), 0);
    EXPECT_EQ(ListRules::SelectedByText({"x", "y", "x"}, "x"), 0);
    EXPECT_EQ(ListRules::SelectedByText({"x", "y", "y"}, "y"), 1);
    EXPECT_EQ(ListRules::SelectedByText({}, "a"), -1);
    // An empty entry is never selected: the list shows nothing.
    EXPECT_EQ(ListRules::SelectedByIndex({"", "b"}, 0), -1);
    EXPECT_EQ(ListRules::TextAt(abc, 3), "a");
    EXPECT_EQ(ListRules::FindText(abc, "c"), "c");
    EXPECT_TRUE(ListRules::NotInList(abc, 3));
    EXPECT_FALSE(ListRules::NotInList(abc, 0));
}

} // namespace
} // namespace mk21
