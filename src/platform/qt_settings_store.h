#pragma once

#include "options/settings_text.h"
#include "platform/settings_store.h"

#include <QList>
#include <QProcessEnvironment>

namespace gibbetry {

// The store as an INI file. It is written only where its path is, or leads through symbolic
// links to, a regular file or nothing yet; a save replaces the file whole (through the links),
// so a failed save never leaves it half-written. A file that cannot be read as settings is
// moved aside, its bytes unchanged, before anything writes over it.
class QtSettingsStore final : public SettingsStore {
public:
    // A settings file larger than this is no file the game wrote: it is not parsed.
    static constexpr qint64 maxFileBytes = 64 * 1024;

    explicit QtSettingsStore(QString filePath);
    // $XDG_CONFIG_HOME/Gibbetry/Gibbetry.conf, ~/.config/Gibbetry/Gibbetry.conf by default; a
    // relative XDG_CONFIG_HOME or HOME is ignored, as the XDG base directory rules say.
    static QString userFilePath(
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

    std::optional<QString> load() override;
    // Loads first if nothing was loaded yet.
    QString read(const QString &section, const QString &key, const QString &defaultValue) override;
    void write(const QString &section, const QString &key, const QString &value) override;
    std::optional<QString> commit() override;

    const QString &filePath() const { return filePath_; }

private:
    std::optional<QString> refusal() const; // why the path must not be written, if it must not
    QString moveAside(const QString &file); // the copy's path, or empty when it could not move

    QString filePath_;
    SettingsText text_;
    bool loaded_ = false;
    QString damagedInPlace_; // a damaged file that could not be moved: it is never written over
    struct Write { QString section, key, value; };
    QList<Write> pending_; // until commit()
};

} // namespace gibbetry
