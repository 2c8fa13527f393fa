#pragma once

// Watches the making of the application object: when the platform finds no display to open,
// it prints one line saying so and ends the process with status 1, where Qt would abort; when
// the platform plugin asked for is not installed, the line names it and the package that
// brings it. The platform's own messages meanwhile are held back and passed on only when the
// display opened, a missing plugin's as that one line (in the language in force).
class NoDisplayGuard {
public:
    explicit NoDisplayGuard(const char* program);
    ~NoDisplayGuard();
    NoDisplayGuard(const NoDisplayGuard&) = delete;
    NoDisplayGuard& operator=(const NoDisplayGuard&) = delete;
};

// The one line for a session without a usable display, in the language in force.
const char* NoDisplayMessage();
