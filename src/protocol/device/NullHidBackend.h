#pragma once

#include "protocol/device/HidBackend.h"

// A platform without HID facilities: nothing is ever listed.
class NullHidBackend final : public HidBackend {
public:
    bool available() const override { return false; }
    std::vector<HidNodeInfo> listPresent() override { return {}; }
    std::unique_ptr<HidConnection> open(const HidNodeInfo&, HidAccess, HidOpenError* error) override
    {
        if (error)
            *error = HidOpenError::NotFound;
        return nullptr;
    }
};
