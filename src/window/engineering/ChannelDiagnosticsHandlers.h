#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

class QLineEdit;
class THexEdit;

// The grids' cells (row * 8 + column) and the special command boxes, kept as they are built:
// the status tick shows them every second, and a search of the window's few hundred objects
// by name cost more than the exchanges themselves.
struct DiagnosticsState {
    std::array<std::array<QLineEdit*, 32>, 3> gridCells{};
    std::array<std::array<THexEdit*, 7>, 4> specialReplyBoxes{};
    // What each command's read-only boxes show: the tick's unchanged reply leaves them alone.
    std::array<std::optional<std::array<quint8, 7>>, 4> shownReplies{};
    // The bits each grid row shows, while the cells show them (a reset paints them over).
    std::array<std::array<std::optional<quint8>, 4>, 3> shownRows{};
};
