#pragma once

#include "bank/one_based_list.h"

#include <array>

namespace veltrano {

// One question of the current test as the user sees it.
struct TestItem {
    int position = 0;                // 1..test size
    int question = 0;                // bank question number
    std::array<int, 5> slotChoice{}; // bank choice number shown in display slot 1..4; [0] unused
    int correctSlot = 0;             // display slot 1..4 holding the correct choice
    int chosenOption = -1;           // option index 0..3 (display slot - 1); -1 while unanswered
    bool flaggedForReview = false;   // the user means to come back to it before finishing

    bool isAnswered() const { return chosenOption >= 0; }
    bool isAnsweredCorrectly() const { return chosenOption + 1 == correctSlot; }
};

using TestItems = OneBasedList<TestItem>;

} // namespace veltrano
