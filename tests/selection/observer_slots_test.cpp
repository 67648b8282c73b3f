// SPDX-License-Identifier: MIT
// A listener's place with its subject: a window opened and closed many times
// between two changes of the page must leave no places behind, and a place
// must not be closed while a notification still walks the places by index.
#include <gtest/gtest.h>

#include "selection/observer_list.h"

namespace keld {
namespace {

TEST(ObserverSlots, APlaceIsClosedAtOnceOrElseWhenTheOutermostNotificationEnds) {
    ObserverSlots slots;
    int window = 0;
    int dialog = 0;
    const std::uint64_t windowId = slots.add(&window);
    const std::uint64_t dialogId = slots.add(&dialog);
    EXPECT_NE(windowId, dialogId);

    slots.remove(windowId);
    ASSERT_EQ(slots.size(), 1u);  // no notification runs: closed at once
    EXPECT_EQ(slots.observer(0), &dialog);
    {
        const ObserverSlots::Notifying outer(slots);
        {
            const ObserverSlots::Notifying inner(slots);
            slots.remove(dialogId);
            ASSERT_EQ(slots.size(), 1u);
            EXPECT_EQ(slots.observer(0), nullptr);  // not told any more, but its place stays
        }
        EXPECT_EQ(slots.size(), 1u);  // the outer notification still walks by index
    }
    EXPECT_EQ(slots.size(), 0u);
}

}  // namespace
}  // namespace keld
