#pragma once

#include "protocol/receiver/StatusEvents.h"

#include <QString>

#include <optional>

// What karvelo-rf watch --bar prints: only what a status bar shows, one line each time it
// changes. Waybar's custom module reads a JSON object a line (text, tooltip, class,
// percentage); polybar and i3blocks read a line of text.
enum class BarFormat { Waybar, Line };

// The format --bar names ("waybar", "line"), or nothing.
std::optional<BarFormat> BarFormatNamed(const QString& name);

// The bar's line for a receiver, or none (an empty text: the bar hides the module).
QString BarLine(BarFormat format, const WatchedState& state);
// The bar's line for a receiver at `node` that this user may not open.
QString BarDeniedLine(BarFormat format, const QString& node);
