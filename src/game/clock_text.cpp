#include "game/clock_text.h"

namespace gibbetry {

namespace {

// QLocale has no accessor for the time separator: take the first character after the hours of
// the locale's short time format.
QString timeSeparator(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    qsizetype i = format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    if (i < 0)
        return QStringLiteral(":");
    while (i < format.size() && format.at(i).toLower() == QLatin1Char('h'))
        ++i;
    if (i < format.size() && !format.at(i).isLetterOrNumber() && format.at(i) != QLatin1Char('\''))
        return format.at(i);
    return QStringLiteral(":");
}

} // namespace

QString mediumTimeText(const QTime &time, const QLocale &locale)
{
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
    return QStringLiteral("%1%2%3 %4")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(timeSeparator(locale))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(designator);
}

QString clockText(const QTime &time, const QLocale &locale,
                  const std::function<bool(const QString &)> &legible)
{
    const QString medium = mediumTimeText(time, locale);
    if (legible(medium))
        return medium;
    const QString shortForm = locale.toString(time, QLocale::ShortFormat);
    if (legible(shortForm))
        return shortForm;
    return locale.toString(time, QStringLiteral("HH") + timeSeparator(locale) + QStringLiteral("mm"));
}

} // namespace gibbetry
