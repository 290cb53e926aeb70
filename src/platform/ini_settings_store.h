#pragma once

#include "platform/settings_store.h"
#include "platform/settings_text.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>

#include <functional>

struct stat;

namespace gibbetry {

namespace settings_file {
class OpenedFile;
class OpenFolder;
} // namespace settings_file

// The store as an INI file of the game's own. A save takes the lock every Gibbetry process takes
// to save, reads the file afresh and changes in it only the keys this run changed (and keys it
// lacks), so that lines and sections written meanwhile by a player or another program stay. The
// new text goes to a temporary file in the file's folder, checked and synced, which then
// replaces the file by one rename, unless the file changed since it was read (then it is merged
// again); a line appended to the old file at that last moment is merged in afterwards. A failed
// save leaves the old file whole. A file that cannot be read as settings is moved aside, its bytes
// unchanged (a link stays, and a copy of what it leads to is kept); a file that cannot be read at
// all, or that is read-only to the player, is never written over.
class IniSettingsStore final : public SettingsStore {
    Q_DECLARE_TR_FUNCTIONS(IniSettingsStore)
public:
    // A settings file larger than this is no file the game wrote: it is not parsed, and a save
    // never makes one.
    static constexpr qint64 maxFileBytes = 64 * 1024;
    // Damaged files moved aside are kept, the last made first, up to this many.
    static constexpr int keptDamagedCopies = 5;
    // How long a save waits for another game's save to end.
    static constexpr int lockWaitMs = 1500;
    // A lock older than this is taken over even if its process seems to run (another machine
    // sharing the home folder): a save takes milliseconds.
    static constexpr int staleLockSeconds = 30;
    // How many times one save reads and merges again a file that keeps changing under it.
    static constexpr int saveRounds = 8;

    // Moments of a save or a load at which tests change the file as another program would.
    enum class Moment { BeforeMoveAside, BeforeRename, AfterRename };
    using MomentHook = std::function<void(Moment)>;

    // filePath is taken as bytes, as the system gives paths.
    explicit IniSettingsStore(const QByteArray &filePath, MomentHook atMoment = {});
    explicit IniSettingsStore(const QString &filePath, MomentHook atMoment = {});
    ~IniSettingsStore() override;

    using Environment = std::function<QByteArray(const char *name)>;
    // $XDG_CONFIG_HOME/Gibbetry/Gibbetry.conf, ~/.config/Gibbetry/Gibbetry.conf by default; a
    // relative XDG_CONFIG_HOME or HOME is ignored, as the XDG base directory rules say. The
    // variables' bytes are used as they are, UTF-8 or not.
    static QByteArray userFilePath(const Environment &environment = {});

    std::optional<QString> load() override;
    // Loads first if nothing was loaded yet.
    QString read(const QString &section, const QString &key, const QString &defaultValue) override;
    void write(const QString &section, const QString &key, const QString &value) override;
    std::optional<Report> commit() override;

    QString filePath() const;

private:
    struct Write { QString section, key, value; };
    struct Target;
    struct Round;
    std::optional<QString> keptAsIs(const QString &why, const QString &told);
    std::optional<QString> keepDamaged(const settings_file::OpenedFile &file, bool &readAgain);
    std::optional<QString> refusedAsRoot(const QByteArray &real, const QString &what,
                                         const QString &defaults);
    std::optional<QString> moveAside(const settings_file::OpenedFile &file, const QByteArray &real,
                                     const QString &what, const QString &defaults,
                                     bool &readAgain);
    std::optional<QString> copyAside(const settings_file::OpenedFile &file, const QByteArray &real,
                                     const QString &what, const QString &defaults);
    std::optional<QString> goneMeanwhile(const QByteArray &bytes, const QString &what,
                                         const QString &defaults);
    std::optional<QString> locate(Target &target) const;
    std::optional<QString> locateNew(Target &target, const QByteArray &realFolder,
                                     const struct stat &info) const;
    std::optional<QString> readOnlyWhy(const Target &target) const;
    std::optional<Report> saveLocked(const Target &target, const QList<Write> &writes);
    std::optional<QString> saveRound(const Target &target, Round &round);
    std::optional<QString> replace(const settings_file::OpenFolder &folder,
                                   const settings_file::OpenedFile &now, const Target &target,
                                   const QByteArray &temporary, SettingsText &&merged,
                                   Round &round);
    std::optional<QString> mergedText(const settings_file::OpenedFile &now, const Round &round,
                                      const Target &target, SettingsText &merged) const;
    std::optional<QString> writeTemporary(const settings_file::OpenFolder &folder,
                                          const settings_file::OpenedFile &now,
                                          const Target &target, const QByteArray &bytes,
                                          QByteArray &temporary) const;
    static QString writeFailure(const Target &target, int error);
    void call(Moment moment) const;

    QByteArray filePath_; // absolute, as given: the config folder is the one above its folder
    MomentHook atMoment_;
    SettingsText text_;   // as last loaded or saved: what this run knows the file holds
    bool loaded_ = false;
    // Values read from a damaged file now moved aside: in force until a save writes them.
    std::optional<SettingsText> salvaged_;
    // The damaged bytes a link led to, kept in a copy: the next save writes over them.
    std::optional<QByteArray> copied_;
    QString keptAsIs_; // why the file must not be written over (unreadable, or damaged in place)
    bool keptAsIsTold_ = false; // a file left as it is is told once a run
    bool readOnlyTold_ = false; // so is a file read-only to the player
    // What read() gave for each key: a write of the same value is no change of this run's.
    QMap<std::pair<QString, QString>, QString> seen_;
    QList<Write> pending_; // until commit()
};

} // namespace gibbetry
