#pragma once

// Keeps a sequence from starting again inside its own message pumping (a timer tick or a
// click delivered while it waits): the inner start is refused and the outer run goes on.
//
//     ReentryGuard guard(running_);
//     if (!guard.entered())
//         return std::nullopt;
class ReentryGuard {
public:
    explicit ReentryGuard(bool& running) : running_(running), entered_(!running)
    {
        running_ = true;
    }
    ~ReentryGuard()
    {
        if (entered_)
            running_ = false;
    }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;

    bool entered() const { return entered_; }

private:
    bool& running_;
    bool entered_;
};
