#pragma once

#include <QDateTime>
#include <QString>

// "2026-12-01T14:02:00.000Z": a time as the records store it, so stored
// times sort as text.
QString timeText(const QDateTime& utc);

// How much of a time is shown: the minute ("7 Dec 2026 14:02", worded in
// the reader's language), or the second as the change record lists it
// ("2026-12-07 14:02:05").
enum class TimeShown { Minute, Second };

// A stored time in local time as the operator reads it.
QString shownTime(const QDateTime& utc, TimeShown shown = TimeShown::Minute);
