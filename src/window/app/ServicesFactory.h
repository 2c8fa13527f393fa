#pragma once

#include "window/app/AppServices.h"

// The real platform: hidraw devices, the real clock, the user's processes and settings.
AppServices RealServices();

// The built-in simulated receiver on the real clock; the user's settings and processes are
// real, as the tool itself runs for real.
AppServices SimulatedServices();
