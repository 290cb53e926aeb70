#pragma once

#include <QLocale>
#include <QTime>

namespace gibbetry {

// The "Medium Time" format: the hour on the 12-hour clock as two digits, the locale's time
// separator, two-digit minutes, a space and the locale's AM or PM designator ("05:04 PM").
QString mediumTimeText(const QTime &time, const QLocale &locale);

} // namespace gibbetry
