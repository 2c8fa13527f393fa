#pragma once

#include <utility>

// What one row of choices on the window has shown, kept from its change notifications: the
// choice on show (-1: none), the one shown before the latest change, and whether a change is
// still waiting for its handler. A click on the choice already on show notifies nothing, so its
// handler finds no change waiting and sends nothing.
class ChoiceHistory {
public:
    // `choice` became selected; -1: the row shows nothing now.
    void selected(int choice)
    {
        if (choice != current_) {
            previous_ = current_;
            current_ = choice;
        }
        pending_ = choice >= 0;
    }
    // True once per change: the handler that runs for it takes it.
    bool takeChange() { return std::exchange(pending_, false); }
    // A selection made from code whose handler does not run.
    void settle() { pending_ = false; }

    int current() const { return current_; }
    int previous() const { return previous_; }

private:
    int current_ = -1;
    int previous_ = -1;
    bool pending_ = false;
};
