#pragma once

#include "protocol/receiver/StatusEvents.h"

#include <QDateTime>
#include <QString>

// The lines of karvelo-rf watch: in JSON one object per line with "event" and "time" (ISO 8601,
// local time with its offset) and the keys of status --json that the event is about; for
// people one line in the language in force, the time first.
QString StateLine(const WatchedState& state, const QDateTime& time, bool json);
// `before` and `after` are the states the event lies between (the node a removal names is
// before's).
QString EventLine(StatusEvent event, const WatchedState& before, const WatchedState& after,
                  const QDateTime& time, bool json);

// A receiver at `node` that this user may not open.
QString DeniedLine(const QString& node, const QDateTime& time, bool json);

// "2026-12-09T14:03:07+01:00": the offset spelled out also at UTC.
QString IsoTime(const QDateTime& time);
