#include "platform/ini_settings_store.h"

#include "platform/posix_file_reader.h"
#include "platform/settings_file.h"
#include "version.h"

#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>
#include <utility>

namespace gibbetry {

using namespace settings_file;

namespace {

QByteArray homeOf(uid_t user)
{
    const passwd *account = ::getpwuid(user);
    return account && account->pw_dir && account->pw_dir[0] == '/' ? QByteArray(account->pw_dir)
                                                                   : QByteArray();
}

// The account's home folder from the password database, for when HOME is unset or relative.
QByteArray accountHome()
{
    const QByteArray home = homeOf(::getuid());
    return home.isEmpty() ? QByteArrayLiteral("/") : home;
}

bool isWithin(const QByteArray &path, const QByteArray &folder)
{
    return path.startsWith(folder.endsWith('/') ? folder : folder + '/');
}

// Nothing at name in the folder, or a link that leads nowhere: what a new file may replace.
bool nothingAt(const OpenFolder &folder, const QByteArray &name)
{
    struct stat info {};
    if (!folder.stat(name, info))
        return errno == ENOENT;
    return S_ISLNK(info.st_mode) && ::fstatat(folder.fd, name.constData(), &info, 0) != 0 &&
           errno == ENOENT;
}

// The lock file beside the settings file, named through the folder held open where /proc lets
// it be: a folder swapped for a link meanwhile leads the lock nowhere else.
QString lockPath(const OpenFolder &folder, const QByteArray &filePath)
{
    const QByteArray proc = "/proc/self/fd/" + QByteArray::number(folder.fd);
    struct stat info {};
    if (::stat(proc.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return QFile::decodeName(proc + '/' + nameOf(filePath) + ".lock");
    return QFile::decodeName(filePath + ".lock");
}

// A name for a damaged copy that sorts by when it was made, in UTC so that a change of time zone
// or summer time never makes a later copy's name sort as an older one.
QByteArray copyStem(const QByteArray &fileName)
{
    return fileName + ".damaged-" +
           QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss")).toLatin1();
}

QByteArray numbered(const QByteArray &stem, int n)
{
    return n == 1 ? stem : stem + '-' + QByteArray::number(n);
}

// Keeps the newest damaged copies, newest by when each was put there (its inode's change time,
// set by the system at the move or the write), whatever their names say; made is the new one.
void pruneCopies(const OpenFolder &folder, const QByteArray &fileName, const QByteArray &made)
{
    struct Copy {
        QByteArray name;
        timespec placed;
    };
    QList<Copy> copies;
    for (const QByteArray &name : folder.names(fileName + ".damaged-")) {
        struct stat info {};
        if (name != made && folder.stat(name, info) && S_ISREG(info.st_mode))
            copies.append({name, info.st_ctim});
    }
    std::sort(copies.begin(), copies.end(), [](const Copy &a, const Copy &b) {
        if (a.placed.tv_sec != b.placed.tv_sec)
            return a.placed.tv_sec > b.placed.tv_sec;
        if (a.placed.tv_nsec != b.placed.tv_nsec)
            return a.placed.tv_nsec > b.placed.tv_nsec;
        return a.name > b.name;
    });
    for (qsizetype i = IniSettingsStore::keptDamagedCopies - 1; i < copies.size(); ++i)
        ::unlinkat(folder.fd, copies[i].name.constData(), 0);
}

// The sentences of one message in their order: each language joins them its own way.
QString sentences(std::initializer_list<QString> parts)
{
    QString text;
    for (const QString &part : parts)
        text = text.isEmpty() ? part
                              : QCoreApplication::translate(
                                    "IniSettingsStore", "%1 %2",
                                    "Two sentences of one message, the second after the first; a "
                                    "language that writes no space between sentences drops it")
                                    .arg(text, part);
    return text;
}

} // namespace

struct IniSettingsStore::Target {
    QByteArray path;     // the file's real path: the rename goes over it, never through a link
    bool exists = false; // a regular file is there
    struct stat info {}; // the file's, or its folder's when it does not exist yet
    struct stat folder {}; // the folder it is in
};

// One save's state across its rounds of reading, merging and renaming.
struct IniSettingsStore::Round {
    QList<Write> writes;
    SettingsText merged;  // what the file holds once done
    bool first = true;    // the folder that was located must still be the one held open
    bool renamed = false; // this save's text replaced the file at least once
    bool done = false;
    QByteArray appended;  // bytes added to a replaced file at the last moment: merged next
    std::optional<QByteArray> rewritten; // a replaced file rewritten in place at that moment
};

IniSettingsStore::IniSettingsStore(const QByteArray &filePath, MomentHook atMoment)
    : filePath_(cleaned(filePath)), atMoment_(std::move(atMoment))
{
}

IniSettingsStore::IniSettingsStore(const QString &filePath, MomentHook atMoment)
    : IniSettingsStore(QFile::encodeName(filePath), std::move(atMoment))
{
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::filePath() const
{
    return QFile::decodeName(filePath_);
}

QByteArray IniSettingsStore::userFilePath(const Environment &environment)
{
    auto variable = [&](const char *name) {
        return environment ? environment(name) : qgetenv(name);
    };
    QByteArray config = variable("XDG_CONFIG_HOME");
    if (!config.startsWith('/')) {
        QByteArray home = variable("HOME");
        if (!home.startsWith('/'))
            home = accountHome();
        config = home + "/.config";
    }
    const QByteArray title(applicationTitle);
    return cleaned(config + '/' + title + '/' + title + ".conf");
}

void IniSettingsStore::call(Moment moment) const
{
    if (atMoment_)
        atMoment_(moment);
}

std::optional<QString> IniSettingsStore::keptAsIs(const QString &why, const QString &told)
{
    keptAsIs_ = why;
    if (std::exchange(keptAsIsTold_, true))
        return std::nullopt;
    return told;
}

// Reads the file as it is now. A damaged one is kept aside (and read again when it was repaired
// meanwhile), its values in force; a copy of damaged bytes a link leads to is made once.
std::optional<QString> IniSettingsStore::load()
{
    loaded_ = true;
    seen_.clear();
    keptAsIs_.clear();
    for (int attempt = 1;; ++attempt) {
        text_ = {};
        const OpenedFile file(AT_FDCWD, filePath_, maxFileBytes, false);
        const FileContents &contents = file.contents();
        switch (contents.status) {
        case FileContents::Status::Missing:
            if (salvaged_)
                text_ = *salvaged_;
            return std::nullopt;
        case FileContents::Status::NotRegularFile:
            return std::nullopt; // a save says why it does not write there
        case FileContents::Status::Unreadable:
            return keptAsIs(tr("the settings file %1 could not be read (%2), so it was left as it "
                               "is.").arg(shown(filePath_), contents.reason),
                            tr("The settings file %1 could not be read: %2. Gibbetry starts from "
                               "the default options and will not save over that file.")
                                .arg(shown(filePath_), contents.reason));
        case FileContents::Status::Ok:
            break;
        }
        if (!contents.truncated) {
            text_ = SettingsText::parse(contents.bytes);
            if (!text_.damaged()) {
                salvaged_.reset();
                copied_.reset();
                return std::nullopt;
            }
        }
        if (copied_ && *copied_ == contents.bytes)
            return std::nullopt; // kept in a copy already, and told
        salvaged_.reset();
        bool readAgain = false;
        std::optional<QString> told = keepDamaged(file, readAgain);
        if (!readAgain)
            return told;
        if (attempt == 3)
            return keptAsIs(tr("the settings file %1 kept changing while Gibbetry tried to move "
                               "it aside, so it was left as it is.").arg(shown(filePath_)),
                            tr("The settings file %1 could not be read as Gibbetry's settings, "
                               "and it kept changing while Gibbetry tried to move it aside, so "
                               "it is left as it is and options will not be saved over it.")
                                .arg(shown(filePath_)));
    }
}

// A damaged file is moved aside within its folder; one reached through a link is copied, so that
// the link stays and the next save writes through it. readAgain: the file changed since it was
// read (repaired), so nothing was moved and it must be read again.
std::optional<QString> IniSettingsStore::keepDamaged(const OpenedFile &file, bool &readAgain)
{
    const QString what = (file.contents().truncated
                              ? tr("The settings file %1 is larger than 64 KiB, far more than "
                                   "Gibbetry's settings take.")
                              : tr("The settings file %1 could not be read as Gibbetry's "
                                   "settings."))
                             .arg(shown(filePath_));
    const QString defaults = tr("The options it did not hold start from their defaults.");
    const Resolved real = resolve(filePath_);
    if (real.error == ENOENT)
        return goneMeanwhile(file.contents().bytes, what, defaults);
    if (real.error != 0)
        return keptAsIs(tr("the settings file %1 could not be read as Gibbetry's settings and "
                           "could not be checked (%2), so it was left as it is.")
                            .arg(shown(filePath_), errorText(real.error)),
                        sentences({what,
                                   tr("Where it lies could not be checked (%1), so it is left as "
                                      "it is and options will not be saved over it.")
                                       .arg(errorText(real.error)),
                                   defaults}));
    if (std::optional<QString> refused = refusedAsRoot(real.path, what, defaults); refused ||
        !keptAsIs_.isEmpty())
        return refused;
    if (isLink(filePath_))
        return copyAside(file, real.path, what, defaults);
    return moveAside(file, real.path, what, defaults, readAgain);
}

// Root moves nothing another user's link leads to, nor anything in another user's folder: it may
// be a system file. Sets keptAsIs_ when it refuses.
std::optional<QString> IniSettingsStore::refusedAsRoot(const QByteArray &real, const QString &what,
                                                       const QString &defaults)
{
    if (::geteuid() != 0)
        return std::nullopt;
    const bool othersLink = isOthersLink(folderOf(filePath_)) || isOthersLink(filePath_);
    const QByteArray used = isLink(filePath_) ? folderOf(filePath_) : folderOf(real);
    const OpenFolder folder(used);
    if (!othersLink && (folder.fd < 0 || rootMayUse(folder, filePath_)))
        return std::nullopt;
    const QString why = othersLink
        ? tr("it is reached through another user's symbolic link")
        : tr("its folder %1 does not belong to the owner of %2")
              .arg(shown(used), shown(folderOf(folderOf(filePath_))));
    return keptAsIs(tr("the settings file %1 is left as it is, because %2 and Gibbetry run as "
                       "root does not write there.").arg(shown(filePath_), why),
                    sentences({what,
                               tr("It is left as it is, and options will not be saved over it, "
                                  "because %1 and Gibbetry run as root does not write there.")
                                   .arg(why),
                               defaults}));
}

// Moves the file within its folder as opened (a folder on the way swapped for a link meanwhile
// leads nowhere else), and only if it is still the file that was read.
std::optional<QString> IniSettingsStore::moveAside(const OpenedFile &file, const QByteArray &real,
                                                   const QString &what, const QString &defaults,
                                                   bool &readAgain)
{
    const OpenFolder folder(folderOf(real));
    const QByteArray name = nameOf(real);
    call(Moment::BeforeMoveAside);
    struct stat there {};
    int error = folder.fd < 0 ? errno : folder.stat(name, there) ? 0 : errno;
    if (error == 0 && (Identity::of(there) != file.identity() || file.changed())) {
        readAgain = true;
        return std::nullopt;
    }
    const QByteArray stem = copyStem(name);
    QByteArray aside;
    for (int n = 1; error == 0 && n < 100; ++n) {
        aside = numbered(stem, n);
        error = ::renameat2(folder.fd, name.constData(), folder.fd, aside.constData(),
                            RENAME_NOREPLACE) == 0 ? 0 : errno;
        if (error != EEXIST)
            break;
        error = 0;
    }
    if (error == ENOENT)
        return goneMeanwhile(file.contents().bytes, what, defaults);
    if (error != 0)
        return keptAsIs(tr("the settings file %1 could not be read as Gibbetry's settings and "
                           "could not be moved aside, so it was left as it is.")
                            .arg(shown(filePath_)),
                        sentences({what,
                                   tr("It could not be moved aside (%1), so it is left as it is "
                                      "and options will not be saved over it.")
                                       .arg(errorText(error)),
                                   defaults}));
    // A file saved there between the look and the rename was moved instead: it goes back.
    if (!folder.stat(aside, there) || Identity::of(there) != file.identity()) {
        ::renameat2(folder.fd, aside.constData(), folder.fd, name.constData(), RENAME_NOREPLACE);
        readAgain = true;
        return std::nullopt;
    }
    salvaged_ = text_;
    pruneCopies(folder, name, aside);
    return sentences({what,
                      tr("It was moved, unchanged, to %1.").arg(shown(folderOf(real) + '/' + aside)),
                      defaults});
}

// The file a link leads to stays where it is, and the link stays a link: the bytes read are
// copied into the link's own folder, where every damaged copy is kept and counted, and the next
// save writes over the file through the link.
std::optional<QString> IniSettingsStore::copyAside(const OpenedFile &file, const QByteArray &real,
                                                   const QString &what, const QString &defaults)
{
    const OpenFolder folder(folderOf(filePath_));
    const QByteArray stem = copyStem(nameOf(filePath_));
    QByteArray aside;
    int fd = -1;
    for (int n = 1; fd < 0 && folder.fd >= 0 && n < 100; ++n) {
        aside = numbered(stem, n);
        fd = ::openat(folder.fd, aside.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    const bool ok = fd >= 0 && (::geteuid() != 0 || ::fchown(fd, file.owner(), file.group()) == 0) &&
                    file.copyTo(fd) && ::fsync(fd) == 0;
    const int error = ok ? 0 : errno;
    if (fd >= 0 && (::close(fd) != 0 || !ok))
        ::unlinkat(folder.fd, aside.constData(), 0);
    if (!ok)
        return keptAsIs(tr("the settings file %1 could not be read as Gibbetry's settings and no "
                           "copy of it could be kept, so it was left as it is.")
                            .arg(shown(filePath_)),
                        sentences({what,
                                   tr("No copy of it could be kept (%1), so it is left as it is "
                                      "and options will not be saved over it.")
                                       .arg(errorText(error)),
                                   defaults}));
    copied_ = file.contents().bytes;
    pruneCopies(folder, nameOf(filePath_), aside);
    return sentences({what,
                      tr("It is reached through a symbolic link, which stays: a copy of it, "
                         "unchanged, was kept as %1, and your next save writes over %2, where the "
                         "link leads.")
                          .arg(shown(folderOf(filePath_) + '/' + aside), shown(real)),
                      defaults});
}

// The file was gone when it was to be moved: another game may have moved it; say where if so.
std::optional<QString> IniSettingsStore::goneMeanwhile(const QByteArray &bytes,
                                                       const QString &what,
                                                       const QString &defaults)
{
    salvaged_ = text_;
    const OpenFolder folder(folderOf(filePath_));
    for (const QByteArray &copy : folder.names(nameOf(filePath_) + ".damaged-")) {
        const OpenedFile kept(folder.fd, copy, maxFileBytes, true);
        if (kept.contents().status == FileContents::Status::Ok && kept.contents().bytes == bytes)
            return sentences({what,
                              tr("It was moved, unchanged, to %1.")
                                  .arg(shown(folderOf(filePath_) + '/' + copy)),
                              defaults});
    }
    return sentences(
        {what, tr("It is no longer there: it was moved or deleted meanwhile."), defaults});
}

QString IniSettingsStore::read(const QString &section, const QString &key,
                               const QString &defaultValue)
{
    if (!loaded_)
        load();
    const QString value = text_.value(section, key).value_or(defaultValue);
    seen_.insert({section, key}, value);
    return value;
}

void IniSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    pending_.append({section, key, value});
}

// The file's real place, found once per save, with its folders made; or why not to write.
std::optional<QString> IniSettingsStore::locate(Target &target) const
{
    const QByteArray folder = folderOf(filePath_);
    const Resolved realFolder = resolve(folder);
    struct stat info {};
    if (realFolder.error != 0 || ::stat(realFolder.path.constData(), &info) != 0)
        return tr("the folder %1 could not be reached: %2.")
            .arg(shown(folder), errorText(realFolder.error ? realFolder.error : errno));
    if (!S_ISDIR(info.st_mode))
        return tr("%1 leads to %2, which is %3, not a folder, so nothing was written.")
            .arg(shown(folder), shown(realFolder.path), fileKindText(info.st_mode));
    if (::geteuid() == 0 && (isOthersLink(folder) || isOthersLink(filePath_)))
        return tr("%1 is reached through another user's symbolic link, which Gibbetry run as root "
                  "does not follow, so nothing was written.").arg(shown(filePath_));
    // What the path leads to, resolved once: the checks and the rename are about that one path,
    // whatever link is swapped in at the settings path meanwhile.
    const Resolved real = resolve(filePath_);
    if (real.error == 0 && ::stat(real.path.constData(), &target.info) == 0) {
        if (!S_ISREG(target.info.st_mode))
            return tr("%1 is %2, not a settings file, so nothing was written to it.")
                .arg(real.path == filePath_
                         ? shown(filePath_)
                         : tr("%1 (through its link, %2)").arg(shown(filePath_), shown(real.path)),
                     fileKindText(target.info.st_mode));
        target.path = real.path;
        target.exists = true;
        if (::stat(folderOf(real.path).constData(), &target.folder) != 0)
            return tr("the folder %1 could not be reached: %2.")
                .arg(shown(folderOf(real.path)), errorText(errno));
        return std::nullopt;
    }
    const int error = real.error ? real.error : errno;
    if (error != ENOENT)
        return tr("the settings file %1 could not be reached: %2.")
            .arg(shown(filePath_), errorText(error));
    return locateNew(target, realFolder.path, info);
}

// Nothing there yet (or a link to nothing, which the new file replaces). It is made within the
// config folder, or where the Gibbetry folder is a link, made by the config folder's owner, to a
// folder of theirs (a dotfiles manager's); never in another user's or a system folder, which for
// root, who owns those, means only within its home folder.
std::optional<QString> IniSettingsStore::locateNew(Target &target, const QByteArray &realFolder,
                                                   const struct stat &info) const
{
    const QByteArray folder = folderOf(filePath_);
    const QByteArray config = folderOf(folder);
    const Resolved realConfig = resolve(config);
    struct stat owner {}, link {};
    const bool owned = ::lstat(config.constData(), &owner) == 0 &&
                       ::lstat(folder.constData(), &link) == 0 && link.st_uid == owner.st_uid &&
                       info.st_uid == owner.st_uid &&
                       (owner.st_uid != 0 || isWithin(realFolder, resolve(homeOf(0)).path));
    if (realConfig.error == 0 && !isWithin(realFolder, realConfig.path) && !owned)
        return tr("%1 leads to %2, outside %3, and Gibbetry makes no file there.")
            .arg(shown(folder), shown(realFolder), shown(config));
    target.path = realFolder + '/' + nameOf(filePath_);
    target.info = info;
    target.folder = info;
    return std::nullopt;
}

// Read-only to the player: its owner took away the permission to write it, or it is another
// account's file the player may not write (a parent keeping a child's options). The options
// chosen then stay in force for this run, and that they are not saved is told once.
std::optional<QString> IniSettingsStore::readOnlyWhy(const Target &target) const
{
    if (!target.exists)
        return std::nullopt;
    if ((target.info.st_mode & S_IWUSR) == 0)
        return tr("the settings file %1 is read-only: its owner took away the permission to "
                  "write it, so Gibbetry leaves it as it is and saves no options to it while it "
                  "stays so.").arg(shown(filePath_));
    if (target.info.st_uid != ::geteuid() &&
        ::faccessat(AT_FDCWD, target.path.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES)
        return tr("the settings file %1 belongs to another account, which does not let you "
                  "write it, so Gibbetry leaves it as it is and saves no options to it while it "
                  "stays so.").arg(shown(filePath_));
    return std::nullopt;
}

std::optional<SettingsStore::Report> IniSettingsStore::commit()
{
    if (!loaded_)
        load();
    const QList<Write> writes = std::exchange(pending_, {});
    if (!keptAsIs_.isEmpty())
        return keptAsIs_;
    if (std::optional<QString> failed = makeFolders(folderOf(filePath_)))
        return failed;
    // Located before a lock file is made there, and again under the lock: what it is now.
    Target target;
    if (std::optional<QString> refused = locate(target))
        return refused;
    // Before the lock: a folder made read-only along with the file takes no lock file.
    if (std::optional<QString> why = readOnlyWhy(target))
        return std::exchange(readOnlyTold_, true) ? std::nullopt
                                                  : std::optional<Report>(std::move(*why));
    const OpenFolder folder(folderOf(filePath_));
    if (folder.fd < 0)
        return tr("the folder %1 cannot be written to: %2.")
            .arg(shown(folderOf(filePath_)), errorText(errno));
    if (!rootMayUse(folder, filePath_))
        return tr("the folder %1 does not belong to the owner of %2, and Gibbetry run as root "
                  "writes in no other user's folder, so nothing was written.")
            .arg(shown(folderOf(filePath_)), shown(folderOf(folderOf(filePath_))));
    // Every game takes this lock to save: a save never works on a file another game is saving.
    QLockFile lock(lockPath(folder, filePath_));
    lock.setStaleLockTime(std::chrono::seconds(staleLockSeconds));
    if (!lock.tryLock(std::chrono::milliseconds(lockWaitMs)))
        return lock.error() == QLockFile::LockFailedError
            ? tr("another Gibbetry game was saving its options to %1 and did not finish in time, "
                 "so this game wrote nothing.").arg(shown(filePath_))
            : tr("Gibbetry could not make its lock file in the folder %1, so nothing was "
                 "written.").arg(shown(folderOf(filePath_)));
    if (std::optional<QString> refused = locate(target))
        return refused;
    return saveLocked(target, writes);
}

// Once this save's text replaced the file the options are stored, whatever a later round could
// not do: only what another program wrote to the file at that moment may be missing from it.
std::optional<SettingsStore::Report> IniSettingsStore::saveLocked(const Target &target,
                                                                  const QList<Write> &writes)
{
    Round round;
    round.writes = writes;
    std::optional<QString> failed;
    for (int n = 0; n < saveRounds && !round.done && !failed; ++n)
        failed = saveRound(target, round);
    if (!round.renamed && failed)
        return *failed;
    if (!round.renamed && !round.done)
        return tr("the settings file %1 was changed by another program each time Gibbetry was "
                  "about to save it, so it was left as it was.").arg(shown(target.path));
    text_ = std::move(round.merged);
    for (const Write &w : writes)
        seen_.insert({w.section, w.key}, w.value);
    salvaged_.reset();
    copied_.reset();
    if (round.done)
        return std::nullopt;
    return Report(tr("The settings file %1 kept changing while Gibbetry saved your options in it: "
                     "they are in it, but what another program wrote to it at the same moment "
                     "may not be.").arg(shown(target.path)),
                  true);
}

// What was written over, as merged this round: the file as read, with what was added to or
// rewritten in the file replaced last round. A damaged file is written over only when it is the
// one a link led to and a copy of it was kept.
std::optional<QString> IniSettingsStore::mergedText(const OpenedFile &now, const Round &round,
                                                    const Target &target, SettingsText &merged) const
{
    const FileContents &contents = now.contents();
    const bool there = contents.status == FileContents::Status::Ok;
    QByteArray source = there ? contents.bytes : QByteArray();
    if (round.rewritten) {
        source = *round.rewritten;
    } else if (!round.appended.isEmpty()) {
        if (!source.isEmpty() && !source.endsWith('\n') && !source.endsWith('\r'))
            source += '\n';
        source += round.appended;
    }
    merged = SettingsText::parse(source);
    if (there && (contents.truncated || merged.damaged())) {
        if (!copied_ || contents.bytes != *copied_ || round.renamed)
            return tr("the settings file %1 was changed since Gibbetry read it and no longer reads "
                      "as its settings, so it was left as it is.").arg(shown(target.path));
        merged = {};
    }
    for (const Write &w : round.writes) {
        const auto seen = seen_.constFind({w.section, w.key});
        if (seen == seen_.constEnd() || *seen != w.value || !merged.value(w.section, w.key))
            merged.setValue(w.section, w.key, w.value);
    }
    if (merged.bytes().size() > maxFileBytes)
        return tr("the settings file %1 would grow larger than 64 KiB, so it was left as it was.")
            .arg(shown(target.path));
    return std::nullopt;
}

// One read, merge and rename, in the folder held open (a folder on the way swapped for a link
// after the checks leads nowhere else). Sets round.done once the file holds this save's text;
// leaves it unset to go again when the file changed under it. Returns why nothing more is written
// (what the player is told only when nothing was).
std::optional<QString> IniSettingsStore::saveRound(const Target &target, Round &round)
{
    const OpenFolder folder(folderOf(target.path));
    if (folder.fd < 0)
        return tr("the folder %1 cannot be written to: %2.")
            .arg(shown(folderOf(target.path)), errorText(errno));
    const QByteArray name = nameOf(target.path);
    struct stat found {};
    // The folder held open must be the one that was checked: not one swapped in meanwhile.
    if (std::exchange(round.first, false) &&
        (::fstat(folder.fd, &found) != 0 || found.st_dev != target.folder.st_dev ||
         found.st_ino != target.folder.st_ino))
        return tr("the folder %1 was moved or replaced while Gibbetry saved, so nothing was "
                  "written.").arg(shown(folderOf(target.path)));
    if (!rootMayUse(folder, filePath_))
        return tr("the folder %1 does not belong to the owner of %2, and Gibbetry run as root "
                  "writes in no other user's folder, so nothing was written.")
            .arg(shown(folderOf(target.path)), shown(folderOf(folderOf(filePath_))));
    removeDeadTemporaries(folder, name + ".saving-");
    // Not followed if a link was swapped in: its target is never read into the new file. A link
    // that leads nowhere is what a new file replaces.
    const OpenedFile now(folder.fd, name, maxFileBytes, true);
    const FileContents &contents = now.contents();
    if (contents.status == FileContents::Status::NotRegularFile ||
        (contents.status == FileContents::Status::Unreadable && !nothingAt(folder, name)))
        return tr("the settings file %1 could not be read (%2), so it was left as it is.")
            .arg(shown(target.path), contents.reason);
    const bool there = contents.status == FileContents::Status::Ok;
    SettingsText merged;
    if (std::optional<QString> refused = mergedText(now, round, target, merged))
        return refused;
    const QByteArray bytes = merged.bytes();
    if (there && bytes == contents.bytes) {
        round.merged = std::move(merged);
        round.done = true;
        return std::nullopt;
    }
    QByteArray temporary;
    if (std::optional<QString> failed = writeTemporary(folder, now, target, bytes, temporary))
        return failed;
    return replace(folder, now, target, temporary, std::move(merged), round);
}

// Renames the temporary file over the file read, if it is still that file, unchanged (else
// nothing is renamed and the round goes again); then looks once more at the file replaced, still
// open: what was written to it at that moment is merged next round.
std::optional<QString> IniSettingsStore::replace(const OpenFolder &folder, const OpenedFile &now,
                                                 const Target &target, const QByteArray &temporary,
                                                 SettingsText &&merged, Round &round)
{
    const QByteArray name = nameOf(target.path);
    const bool there = now.contents().status == FileContents::Status::Ok;
    call(Moment::BeforeRename);
    struct stat at {};
    if (there ? !folder.stat(name, at) || Identity::of(at) != now.identity() || now.changed()
              : !nothingAt(folder, name)) {
        ::unlinkat(folder.fd, temporary.constData(), 0);
        return std::nullopt;
    }
    if (::renameat(folder.fd, temporary.constData(), folder.fd, name.constData()) != 0) {
        const int error = errno;
        ::unlinkat(folder.fd, temporary.constData(), 0);
        return writeFailure(target, error);
    }
    // The rename itself is made durable with the folder; a folder that cannot be synced does
    // not undo a save that took place.
    ::fsync(folder.fd);
    round.renamed = true;
    round.merged = std::move(merged);
    round.appended.clear();
    round.rewritten.reset();
    call(Moment::AfterRename);
    if (there && now.changed()) {
        const std::optional<QByteArray> late = now.bytesNow();
        // Merging nothing in its place would drop every line of the file but ours. The save
        // stops; as the options are in the file, saveLocked tells what may be missing instead.
        if (!late)
            return tr("the replaced file could not be read again");
        if (late->startsWith(now.contents().bytes))
            round.appended = late->mid(now.contents().bytes.size());
        else
            round.rewritten = *late;
        return std::nullopt;
    }
    round.done = true;
    return std::nullopt;
}

QString IniSettingsStore::writeFailure(const Target &target, int error)
{
    if (error == ENOSPC || error == EDQUOT)
        return tr("there is no room left on the disk that holds %1, so the file was left as it "
                  "was.").arg(shown(target.path));
    return tr("the settings file %1 could not be written: %2. It was left as it was.")
        .arg(shown(target.path), errorText(error));
}

// The new text in a temporary file beside the file, with the old file's owner (only root can
// give it) and mode, a new file the player's alone; written and synced, or removed.
std::optional<QString> IniSettingsStore::writeTemporary(const OpenFolder &folder,
                                                        const OpenedFile &now, const Target &target,
                                                        const QByteArray &bytes,
                                                        QByteArray &temporary) const
{
    const QByteArray prefix = nameOf(target.path) + ".saving-";
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = prefix + QByteArray::number(::getpid()) + '-' +
                    QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::openat(folder.fd, temporary.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return tr("the folder %1 cannot be written to: %2.")
            .arg(shown(folderOf(target.path)), errorText(errno));
    const bool there = now.contents().status == FileContents::Status::Ok;
    const mode_t mode = there ? now.mode() & 07777 : 0600;
    const uid_t owner = there ? now.owner() : target.info.st_uid; // a new one: its folder's owner
    const gid_t group = there ? now.group() : target.info.st_gid;
    const bool ok = (::geteuid() != 0 || ::fchown(fd, owner, group) == 0) &&
                    ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return std::nullopt;
    ::unlinkat(folder.fd, temporary.constData(), 0);
    return writeFailure(target, error);
}

} // namespace gibbetry
