#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QTranslator;

namespace gibbetry {

// The languages the desktop asks for, most wanted first, read as GNU gettext reads them: the
// first of LC_ALL, LC_MESSAGES and LANG that is set is the locale; under a locale other than C
// or POSIX, a LANGUAGE list (colon-separated) stands in its place. Each entry gives the names to
// try in turn: "pt_BR.UTF-8@euro" gives "pt_BR", then "pt". An English entry ends the list: the
// program's own texts are English, and a player who put English before another language gets it
// (gettext would pass over it for want of an English catalogue).
QStringList wantedLanguages(const std::function<QByteArray(const char *)> &environment);

// The program's catalogue for the first wanted language it has one for, and Qt's own for the
// same language where the system has it. Loaded before any application object exists, so that
// --help is answered in the player's language too.
class Translations {
public:
    explicit Translations(const QStringList &wanted, const QString &catalogues = defaultFolder);
    ~Translations();

    // "" under English.
    QString language() const { return language_; }
    bool rightToLeft() const;
    // Into the running application: every tr() from now on, Qt's dialogs too.
    void install() const;
    // A text of the program's own before the application exists; the source where untranslated.
    QString translate(const char *context, const char *source) const;

    static const QString defaultFolder; // built into the program

private:
    QString language_;
    std::unique_ptr<QTranslator> own_;
    std::unique_ptr<QTranslator> qt_;
};

} // namespace gibbetry
