// Whether an alert waits for a busy user: the states, the hour it may still
// come in, and the setting that turns the waiting off.
#include "alerts/busy_hold.h"

#include <gtest/gtest.h>

namespace marilo {
namespace {

const DateTime kDue(2024, 5, 1, 23, 30);

TEST(BusyHold, OnlyAcceptingLetsAnAlertThroughWithinTheHour) {
    for (int s = 1; s <= 7; ++s) {
        const UserState state = static_cast<UserState>(s);
        EXPECT_EQ(alertRelease(state, true, kDue, kDue), s == 5 ? AlertRelease::Show : AlertRelease::Hold) << s;
        // The setting off: shown whatever the state.
        EXPECT_EQ(alertRelease(state, false, kDue, kDue), AlertRelease::Show) << s;
    }
    // 59 minutes late (across midnight) still comes; at 60 minutes only the blink remains.
    EXPECT_EQ(alertRelease(UserState::Accepts, true, kDue, DateTime(2024, 5, 2, 0, 29)), AlertRelease::Show);
    EXPECT_EQ(alertRelease(UserState::Presentation, true, kDue, DateTime(2024, 5, 2, 0, 29)), AlertRelease::Hold);
    EXPECT_EQ(alertRelease(UserState::Accepts, true, kDue, DateTime(2024, 5, 2, 0, 30)), AlertRelease::Drop);
    EXPECT_EQ(alertRelease(UserState::Busy, true, kDue, DateTime(2024, 5, 3, 23, 30)), AlertRelease::Drop);
    // A clock set back far before the alert's minute drops it too.
    EXPECT_EQ(alertRelease(UserState::Accepts, true, kDue, DateTime(2024, 5, 1, 22, 29)), AlertRelease::Drop);
}

TEST(BusyHold, AHeldAlertComesWithItsOriginalTimeWhenTheUserIsBackOrIsDropped) {
    const Alert first{"満潮に", "なりました。", "★23:30　", kAlertSlack};
    const Alert second{"下げ３分に", "なりました。", "★23:45　", kAlertFalling};
    HeldAlert held;
    // Full screen, then presenting, then quiet time: it waits.
    EXPECT_FALSE(held.offer(first, kDue, UserState::FullScreen3d, true, kDue));
    EXPECT_FALSE(held.poll(UserState::Presentation, true, DateTime(2024, 5, 1, 23, 40)));
    EXPECT_FALSE(held.poll(UserState::QuietTime, true, DateTime(2024, 5, 1, 23, 50)));
    ASSERT_TRUE(held.waiting());
    const std::optional<Alert> shown = held.poll(UserState::Accepts, true, DateTime(2024, 5, 2, 0, 10));
    ASSERT_TRUE(shown);
    EXPECT_EQ(*shown, first);
    EXPECT_FALSE(held.waiting());
    EXPECT_FALSE(held.poll(UserState::Accepts, true, DateTime(2024, 5, 2, 0, 11)));  // shown once

    // A newer alert replaces the waiting one; past its hour nothing comes.
    EXPECT_FALSE(held.offer(first, kDue, UserState::Busy, true, kDue));
    EXPECT_FALSE(held.offer(second, DateTime(2024, 5, 1, 23, 45), UserState::Busy, true, DateTime(2024, 5, 1, 23, 45)));
    EXPECT_FALSE(held.poll(UserState::Accepts, true, DateTime(2024, 5, 2, 0, 45)));
    EXPECT_FALSE(held.waiting());

    // Accepting at once: straight through.
    EXPECT_EQ(held.offer(second, kDue, UserState::Accepts, true, kDue), second);
}

}  // namespace
}  // namespace marilo
