#pragma once

#include "protocol/receiver/StatusReadouts.h"

// When to tell the user that the mouse battery runs out: once when its level drops into the
// critical band, and not again until it has been back in the good or low band.
class BatteryAlert {
public:
    // True when this reading should be told.
    bool Update(BatteryBand band)
    {
        if (band != BatteryBand::Critical) {
            armed_ = true;
            return false;
        }
        const bool tell = armed_;
        armed_ = false;
        return tell;
    }

private:
    bool armed_ = true;
};
