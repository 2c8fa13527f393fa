#pragma once

// What one group of choices on the window has shown, kept from its change notifications: the
// choice on show (-1: none), the one shown before the latest change, and whether a change is
// still waiting for its handler. A click on the choice already on show notifies nothing, so its
// handler finds no change waiting and sends nothing.
class ChoiceHistory {
public:
    // `choice` became selected.
    void selected(int choice)
    {
        if (choice < 0) {
            cleared();
            return;
        }
        if (choice != current_) {
            previous_ = current_;
            current_ = choice;
        }
        pending_ = true;
    }
    // `choice` lost its selection; `replacement` is the choice already selected in its place
    // (its own notification follows), or -1 when the group is left without a selection.
    void unselected(int choice, int replacement)
    {
        if (choice != current_)
            return;
        previous_ = choice;
        current_ = replacement;
        if (replacement < 0)
            pending_ = false;
    }
    void cleared()
    {
        if (current_ >= 0)
            previous_ = current_;
        current_ = -1;
        pending_ = false;
    }
    // True once per change: the handler that runs for it takes it.
    bool takeChange()
    {
        const bool pending = pending_;
        pending_ = false;
        return pending;
    }
    // A selection made from code whose handler does not run.
    void settle() { pending_ = false; }

    int current() const { return current_; }
    int previous() const { return previous_; }

private:
    int current_ = -1;
    int previous_ = -1;
    bool pending_ = false;
};
