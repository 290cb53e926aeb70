#pragma once

#include <QLocale>
#include <QTime>

#include <functional>

namespace gibbetry {

// The "Medium Time" format: the hour on the 12-hour clock as two digits, the locale's time
// separator, two-digit minutes, a space and the locale's AM or PM designator ("05:04 PM").
QString mediumTimeText(const QTime &time, const QLocale &locale);

// The clock's text: mediumTimeText where `legible` holds for it. Where the locale's AM and PM
// words make it too long to read in the clock's box, the same time in the locale's own short
// form (24-hour where the locale uses it), and where that too is too long, hours and minutes on
// the 24-hour clock.
QString clockText(const QTime &time, const QLocale &locale,
                  const std::function<bool(const QString &)> &legible);

} // namespace gibbetry
