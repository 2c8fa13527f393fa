#pragma once

// Watches the making of the application object: when the platform finds no display to open,
// it prints one line saying so and ends the process with status 1, where Qt would abort. The
// platform's own messages meanwhile are held back and passed on only when the display opened.
class NoDisplayGuard {
public:
    explicit NoDisplayGuard(const char* program);
    ~NoDisplayGuard();
    NoDisplayGuard(const NoDisplayGuard&) = delete;
    NoDisplayGuard& operator=(const NoDisplayGuard&) = delete;
};

// The one line for a session without a usable display.
const char* NoDisplayMessage();
