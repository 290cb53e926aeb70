#pragma once

#include "platform/settings_store.h"
#include "platform/settings_text.h"

#include <QList>
#include <QMap>
#include <QProcessEnvironment>

namespace gibbetry {

// The store as an INI file of the game's own. A save reads the file afresh and changes in it only
// the keys this run changed (and keys it lacks), so that lines and sections written meanwhile by
// a player or another program stay. The new text goes to a temporary file in the file's folder,
// checked and synced, which then replaces the file by one rename: a failed save leaves the old
// file whole. A file that cannot be read as settings is moved aside, its bytes unchanged, before
// anything writes over it; a file that cannot be read at all is never written over.
class IniSettingsStore final : public SettingsStore {
public:
    // A settings file larger than this is no file the game wrote: it is not parsed, and a save
    // never makes one.
    static constexpr qint64 maxFileBytes = 64 * 1024;
    // Damaged files moved aside are kept, the newest first, up to this many.
    static constexpr int keptDamagedCopies = 5;

    explicit IniSettingsStore(QString filePath);
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
    struct Target;
    // The file's real place, found once per save, with its folders made; or why not to write.
    std::optional<QString> locate(Target &target) const;
    std::optional<QString> moveDamaged(const QByteArray &bytes, bool oversized);
    std::optional<QString> saveTo(const Target &target, const QByteArray &bytes) const;

    QString filePath_;   // absolute, as given: the config folder is the one above its folder
    SettingsText text_;  // as last loaded or saved: what this run knows the file holds
    bool loaded_ = false;
    // Values read from a damaged file now moved aside: in force until a save writes them.
    std::optional<SettingsText> salvaged_;
    QString keptAsIs_; // why the file must not be written over (unreadable, or damaged in place)
    bool keptAsIsTold_ = false; // a file left as it is is told once a run
    // What read() gave for each key: a write of the same value is no change of this run's.
    QMap<std::pair<QString, QString>, QString> seen_;
    struct Write { QString section, key, value; };
    QList<Write> pending_; // until commit()
};

} // namespace gibbetry
