// The month window's keyboard focus across the edges of months and years.
#include "render/month_focus.h"

#include <gtest/gtest.h>

namespace marilo {
namespace {

TEST(MonthFocus, ArrowsMoveADayOrAWeekAcrossMonthEdges) {
    EXPECT_EQ(focusStepOfKey(0x25), -1);
    EXPECT_EQ(focusStepOfKey(0x28), 7);
    EXPECT_EQ(focusStepOfKey(0x0D), 0);
    EXPECT_EQ(focusMovedBy({2024, 3, 1}, 1), (MonthFocus{2024, 3, 2}));
    EXPECT_EQ(focusMovedBy({2024, 3, 1}, -1), (MonthFocus{2024, 2, 29}));  // leap February
    EXPECT_EQ(focusMovedBy({2023, 3, 1}, -1), (MonthFocus{2023, 2, 28}));
    EXPECT_EQ(focusMovedBy({2024, 12, 28}, 7), (MonthFocus{2025, 1, 4}));
    EXPECT_EQ(focusMovedBy({2024, 1, 3}, -7), (MonthFocus{2023, 12, 27}));
    // The calendar's ends hold.
    EXPECT_EQ(focusMovedBy({9999, 12, 31}, 1), (MonthFocus{9999, 12, 31}));
    EXPECT_EQ(focusMovedBy({1000, 1, 1}, -7), (MonthFocus{1000, 1, 1}));
}

TEST(MonthFocus, MonthStepsKeepTheDayOrTakeTheLast) {
    EXPECT_EQ(focusInMonthStep({2024, 1, 31}, 1), (MonthFocus{2024, 2, 29}));
    EXPECT_EQ(focusInMonthStep({2024, 3, 15}, -1), (MonthFocus{2024, 2, 15}));
    EXPECT_EQ(focusInMonthStep({2024, 12, 31}, 1), (MonthFocus{2025, 1, 31}));
    EXPECT_EQ(focusInMonthStep({9999, 12, 5}, 1), (MonthFocus{9999, 12, 5}));
}

}  // namespace
}  // namespace marilo
