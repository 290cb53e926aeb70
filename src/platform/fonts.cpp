#include "platform/fonts.h"

#include <QApplication>

namespace gibbetry {

void installFonts()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QApplication::setFont(msSansSerif(8));
}

QFont layoutFont(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont msSansSerif(double points, bool bold)
{
    return layoutFont(QStringLiteral("MS Sans Serif"), points, bold);
}

} // namespace gibbetry
