#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace gibbetry {

const QString Translations::defaultFolder = QStringLiteral(":/i18n");

namespace {

bool isEnglish(const QString &name)
{
    return name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           name == QLatin1String("en") || name.startsWith(QLatin1String("en_"));
}

// "ll_CC.codeset@modifier": ll_CC, then ll.
QStringList namesFor(const QString &entry)
{
    QString name = entry.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    QStringList names{name};
    if (name.contains(QLatin1Char('_')))
        names << name.section(QLatin1Char('_'), 0, 0);
    return names;
}

} // namespace

QStringList wantedLanguages(const std::function<QByteArray(const char *)> &environment)
{
    QString locale;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = QString::fromLocal8Bit(environment(variable));
        if (!locale.isEmpty())
            break;
    }
    // Only the C locale itself turns LANGUAGE off; C.UTF-8 and en_US do not.
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return {};
    // A LANGUAGE list takes the locale's place: what it does not find stays English.
    QStringList entries = QString::fromLocal8Bit(environment("LANGUAGE"))
                              .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (entries.isEmpty())
        entries << locale;
    QStringList wanted;
    for (const QString &entry : entries) {
        const QStringList names = namesFor(entry);
        if (isEnglish(names.constFirst()))
            break;
        for (const QString &name : names)
            if (!wanted.contains(name))
                wanted << name;
    }
    return wanted;
}

Translations::Translations(const QStringList &wanted, const QString &catalogues)
{
    for (const QString &name : wanted) {
        auto own = std::make_unique<QTranslator>();
        if (!own->load(QStringLiteral("gibbetry_") + name, catalogues))
            continue;
        // The catalogue's own language: "de" for a wanted "de_AT" that found gibbetry_de.
        language_ = own->language();
        own_ = std::move(own);
        // Qt's own texts (a message box's button, a text box's menu) from the system's catalogues.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + language_,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qt_ = std::move(qt);
        return;
    }
}

Translations::~Translations() = default;

bool Translations::rightToLeft() const
{
    return !language_.isEmpty() && QLocale(language_).textDirection() == Qt::RightToLeft;
}

void Translations::install() const
{
    if (qt_)
        QCoreApplication::installTranslator(qt_.get());
    if (own_)
        QCoreApplication::installTranslator(own_.get());
}

QString Translations::translate(const char *context, const char *source) const
{
    const QString text = own_ ? own_->translate(context, source) : QString();
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

} // namespace gibbetry
