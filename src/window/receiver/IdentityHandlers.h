#pragma once

// The identity writes' state.
struct IdentityState {
    bool writingEeprom = false;
};
