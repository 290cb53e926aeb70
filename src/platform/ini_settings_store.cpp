#include "platform/ini_settings_store.h"

#include "platform/posix_file_reader.h"
#include "version.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace gibbetry {

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// The account's home folder from the password database, for when HOME is unset or relative.
QString accountHome()
{
    if (const passwd *account = ::getpwuid(::getuid()); account && account->pw_dir)
        return QFile::decodeName(account->pw_dir);
    return QStringLiteral("/");
}

// Where a path leads through its symbolic links; empty when it leads nowhere that exists.
QString resolved(const QString &path)
{
    char target[PATH_MAX];
    return ::realpath(encoded(path).constData(), target) ? QFile::decodeName(target) : QString();
}

// A symbolic link that another user made: root does not follow it, as it may lead a save of a
// player's settings over a system file.
bool isOthersLink(const QString &path)
{
    struct stat info {};
    return ::lstat(encoded(path).constData(), &info) == 0 && S_ISLNK(info.st_mode) &&
           info.st_uid != ::geteuid();
}

// A folder held open, so that what is done in it is done there whatever is renamed meanwhile.
struct OpenFolder {
    explicit OpenFolder(const QString &path)
        : fd(::open(encoded(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
    }
    ~OpenFolder()
    {
        if (fd >= 0)
            ::close(fd);
    }
    OpenFolder(const OpenFolder &) = delete;
    OpenFolder &operator=(const OpenFolder &) = delete;
    const int fd;
};

// Run as root, the game writes and moves files only in folders of the config folder's owner (the
// folder above the settings file's, not followed if a link): a link a player swaps in at any
// moment then leads into none of another user's folders. folder is the one the file is in, open.
bool rootMayUse(const OpenFolder &folder, const QString &filePath)
{
    if (::geteuid() != 0)
        return true;
    const QString config = QFileInfo(QFileInfo(filePath).path()).path();
    struct stat owner {}, info {};
    return ::lstat(encoded(config).constData(), &owner) == 0 && ::fstat(folder.fd, &info) == 0 &&
           info.st_uid == owner.st_uid;
}

bool isWithin(const QString &path, const QString &folder)
{
    return path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

// Makes the folder and any missing one above it, private to the player as the XDG rules ask
// (root making them in a player's home gives them to the owner of the folder above).
std::optional<QString> makeFolders(const QString &folder)
{
    struct stat info {};
    if (::stat(encoded(folder).constData(), &info) == 0 || errno != ENOENT)
        return std::nullopt; // there already, or unreachable: told when it is used
    const QString parent = QFileInfo(folder).path();
    if (parent != folder)
        if (std::optional<QString> failed = makeFolders(parent))
            return failed;
    if (::mkdir(encoded(folder).constData(), 0700) != 0 && errno != EEXIST)
        return QStringLiteral("the folder %1 could not be created: %2.")
            .arg(native(folder), errorText(errno));
    struct stat above {};
    if (::geteuid() == 0 && ::stat(encoded(parent).constData(), &above) == 0 && above.st_uid != 0 &&
        ::lchown(encoded(folder).constData(), above.st_uid, above.st_gid) != 0)
        return QStringLiteral("the folder %1 could not be given to its owner: %2.")
            .arg(native(folder), errorText(errno));
    return std::nullopt;
}

// Temporary files of saves that died with their game (the pid no longer runs, a minute gone), in
// the folder open as dir.
void removeStaleTemporaries(int dir, const QString &folder, const QString &prefix)
{
    for (const QString &name : QDir(folder).entryList({prefix + QLatin1Char('*')},
                                                      QDir::Files | QDir::Hidden | QDir::System)) {
        const QString pid = name.mid(prefix.size()).section(QLatin1Char('-'), 0, 0);
        bool numeric = false;
        const int owner = pid.toInt(&numeric);
        struct stat info {};
        const QByteArray file = encoded(name);
        if (!numeric || owner <= 0 || owner == ::getpid() ||
            ::fstatat(dir, file.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode) || info.st_mtime > std::time(nullptr) - 60)
            continue;
        if (::kill(owner, 0) != 0 && errno == ESRCH)
            ::unlinkat(dir, file.constData(), 0);
    }
}

// Writes the whole buffer, through interruptions; false with errno set when it cannot.
bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

struct IniSettingsStore::Target {
    QString path;        // the file's real path: the rename goes over it, never through a link
    bool exists = false; // a regular file is there
    struct stat info {}; // the file's, or its folder's when it does not exist yet
};

IniSettingsStore::IniSettingsStore(QString filePath)
    : filePath_(QDir::cleanPath(QFileInfo(filePath).absoluteFilePath()))
{
}

QString IniSettingsStore::userFilePath(const QProcessEnvironment &environment)
{
    QString config = environment.value(QStringLiteral("XDG_CONFIG_HOME"));
    if (!QDir::isAbsolutePath(config)) {
        QString home = environment.value(QStringLiteral("HOME"));
        if (!QDir::isAbsolutePath(home))
            home = accountHome();
        config = home + QStringLiteral("/.config");
    }
    const QString title = QLatin1String(applicationTitle);
    return QDir::cleanPath(config + QLatin1Char('/') + title + QLatin1Char('/') + title +
                           QStringLiteral(".conf"));
}

std::optional<QString> IniSettingsStore::load()
{
    loaded_ = true;
    text_ = {};
    seen_.clear();
    keptAsIs_.clear();
    // Anything but a regular file (a folder, a device, a FIFO) reads as no settings; a save says
    // why it does not write there.
    const FileContents contents = PosixFileReader().read(filePath_, maxFileBytes);
    switch (contents.status) {
    case FileContents::Status::Missing:
        if (salvaged_)
            text_ = *salvaged_;
        return std::nullopt;
    case FileContents::Status::NotRegularFile:
        return std::nullopt;
    case FileContents::Status::Unreadable:
        keptAsIs_ = QStringLiteral("the settings file %1 could not be read (%2), so it was left "
                                   "as it is.")
                        .arg(native(filePath_), contents.reason);
        if (std::exchange(keptAsIsTold_, true))
            return std::nullopt;
        return QStringLiteral("The settings file %1 could not be read: %2. Gibbetry starts from "
                              "the default options and will not save over that file.")
            .arg(native(filePath_), contents.reason);
    case FileContents::Status::Ok:
        break;
    }
    salvaged_.reset();
    if (!contents.truncated) {
        text_ = SettingsText::parse(contents.bytes);
        if (!text_.damaged())
            return std::nullopt;
    }
    return moveDamaged(contents.bytes, contents.truncated);
}

std::optional<QString> IniSettingsStore::moveDamaged(const QByteArray &bytes, bool oversized)
{
    const QString what =
        (oversized ? QStringLiteral("The settings file %1 is larger than 64 KiB, far more than "
                                    "Gibbetry's settings take.")
                   : QStringLiteral("The settings file %1 could not be read as Gibbetry's "
                                    "settings."))
            .arg(native(filePath_));
    const QString defaults = QStringLiteral(" The options it did not hold start from their "
                                            "defaults.");
    // Through symbolic links, the file itself moves: the link stays, and the next save writes
    // where it points. A copy never replaces an earlier one.
    const QString target = resolved(filePath_);
    const QFileInfo file(target.isEmpty() ? filePath_ : target);
    const QString prefix = file.fileName() + QStringLiteral(".damaged-");
    const QString stem = file.filePath() + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QDir folder = file.dir();
    // Newest first: by time, then by number within one second.
    QStringList copies = folder.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    auto order = [&](const QString &name) {
        const QString rest = name.mid(prefix.size());
        return rest.left(15) + rest.mid(16).rightJustified(4, QLatin1Char('0'));
    };
    std::sort(copies.begin(), copies.end(),
              [&](const QString &a, const QString &b) { return order(a) > order(b); });
    // A new copy is numbered past those of the same second, so that it sorts as the newest.
    int n = 1;
    const QString stemName = QFileInfo(stem).fileName();
    for (const QString &copy : std::as_const(copies)) {
        if (copy == stemName)
            n = std::max(n, 2);
        else if (copy.startsWith(stemName + QLatin1Char('-')))
            n = std::max(n, copy.mid(stemName.size() + 1).toInt() + 1);
    }
    // The file is moved within its folder as opened, so that a folder on the way swapped for a
    // link meanwhile leads nowhere else.
    const OpenFolder dir(file.path());
    int error = dir.fd < 0 && !target.isEmpty() ? errno : ENOENT;
    // Root moves nothing another user's link leads to, nor anything in another user's folder: it
    // may be a system file.
    const bool othersLink = ::geteuid() == 0 && (isOthersLink(QFileInfo(filePath_).path()) ||
                                                 isOthersLink(filePath_));
    if (othersLink || (dir.fd >= 0 && !rootMayUse(dir, filePath_))) {
        const QString why =
            othersLink ? QStringLiteral("it is reached through another user's symbolic link")
                       : QStringLiteral("its folder %1 does not belong to the owner of %2")
                             .arg(native(file.path()),
                                  native(QFileInfo(QFileInfo(filePath_).path()).path()));
        keptAsIs_ = QStringLiteral("the settings file %1 is left as it is, because %2 and "
                                   "Gibbetry run as root does not write there.")
                        .arg(native(filePath_), why);
        if (std::exchange(keptAsIsTold_, true))
            return std::nullopt;
        return what + QStringLiteral(" It is left as it is, and options will not be saved over "
                                     "it, because %1 and Gibbetry run as root does not write "
                                     "there.")
                          .arg(why) + defaults;
    }
    QString aside;
    for (; n < 10000 && !target.isEmpty() && dir.fd >= 0; ++n) {
        aside = n == 1 ? stem : stem + QLatin1Char('-') + QString::number(n);
        struct stat there {};
        const QByteArray asideName = encoded(QFileInfo(aside).fileName());
        if (::fstatat(dir.fd, asideName.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0)
            continue;
        error = ::renameat(dir.fd, encoded(file.fileName()).constData(), dir.fd,
                           asideName.constData()) == 0
                    ? 0
                    : errno;
        break;
    }

    if (error == ENOENT) {
        // Gone since it was read: another game moved it. Say where, if it was moved here.
        salvaged_ = text_;
        for (const QString &copy :
             folder.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden)) {
            const FileContents kept = PosixFileReader().read(folder.filePath(copy), maxFileBytes);
            if (kept.status == FileContents::Status::Ok && kept.bytes == bytes &&
                kept.truncated == oversized)
                return what + QStringLiteral(" It was moved, unchanged, to %1.")
                                  .arg(native(folder.filePath(copy))) + defaults;
        }
        return what + QStringLiteral(" It has been moved away meanwhile.") + defaults;
    }
    if (error != 0) {
        keptAsIs_ = QStringLiteral("the settings file %1 could not be read as Gibbetry's settings "
                                   "and could not be moved aside, so it was left as it is.")
                        .arg(native(filePath_));
        if (std::exchange(keptAsIsTold_, true))
            return std::nullopt;
        return what + QStringLiteral(" It could not be moved aside (%1), so it is left as it is "
                                     "and options will not be saved over it.")
                          .arg(errorText(error)) + defaults;
    }
    salvaged_ = text_;
    copies.prepend(QFileInfo(aside).fileName());
    for (qsizetype i = keptDamagedCopies; i < copies.size(); ++i)
        ::unlinkat(dir.fd, encoded(copies[i]).constData(), 0);
    return what + QStringLiteral(" It was moved, unchanged, to %1.").arg(native(aside)) + defaults;
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

std::optional<QString> IniSettingsStore::locate(Target &target) const
{
    const QString folder = QFileInfo(filePath_).path();
    const QString config = QFileInfo(folder).path();
    if (std::optional<QString> failed = makeFolders(folder))
        return failed;
    const QString realFolder = resolved(folder);
    struct stat info {};
    if (realFolder.isEmpty() || ::stat(encoded(realFolder).constData(), &info) != 0)
        return QStringLiteral("the folder %1 could not be reached: %2.")
            .arg(native(folder), errorText(errno));
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("%1 leads to %2, which is %3, not a folder, so nothing was written.")
            .arg(native(folder), native(realFolder), fileKindText(info.st_mode));
    if (::geteuid() == 0 && (isOthersLink(folder) || isOthersLink(filePath_)))
        return QStringLiteral("%1 is reached through another user's symbolic link, which Gibbetry "
                              "run as root does not follow, so nothing was written.")
            .arg(native(filePath_));

    // What the path leads to, resolved once: the checks and the rename are about that one path,
    // whatever link is swapped in at the settings path meanwhile.
    const QString real = resolved(filePath_);
    if (!real.isEmpty() && ::stat(encoded(real).constData(), &target.info) == 0) {
        if (!S_ISREG(target.info.st_mode))
            return QStringLiteral("%1 is %2, not a settings file, so nothing was written to it.")
                .arg(real == filePath_
                         ? native(filePath_)
                         : QStringLiteral("%1 (through its link, %2)")
                               .arg(native(filePath_), native(real)),
                     fileKindText(target.info.st_mode));
        target.path = real;
        target.exists = true;
        return std::nullopt;
    }
    struct stat now {};
    if (::stat(encoded(filePath_).constData(), &now) == 0)
        return QStringLiteral("the settings file %1 was changed while it was saved, so nothing "
                              "was written.")
            .arg(native(filePath_));
    if (errno != ENOENT)
        return QStringLiteral("the settings file %1 could not be reached: %2.")
            .arg(native(filePath_), errorText(errno));
    // Nothing there yet (or a link to nothing, which the new file replaces). It is made only
    // within the config folder, never where a link of the Gibbetry folder leads elsewhere.
    const QString realConfig = resolved(config);
    if (!realConfig.isEmpty() && !isWithin(realFolder, realConfig))
        return QStringLiteral("%1 leads to %2, outside %3, and Gibbetry makes no file there.")
            .arg(native(folder), native(realFolder), native(config));
    target.path = realFolder + QLatin1Char('/') + QFileInfo(filePath_).fileName();
    target.info = info;
    return std::nullopt;
}

std::optional<QString> IniSettingsStore::commit()
{
    if (!loaded_)
        load();
    const QList<Write> writes = std::exchange(pending_, {});
    if (!keptAsIs_.isEmpty())
        return keptAsIs_;
    Target target;
    if (std::optional<QString> refused = locate(target))
        return refused;

    // The file as it is now, so that what others wrote since the load stays.
    const FileContents now = PosixFileReader().read(target.path, maxFileBytes);
    if (now.status == FileContents::Status::NotRegularFile ||
        now.status == FileContents::Status::Unreadable)
        return QStringLiteral("the settings file %1 could not be read (%2), so it was left as it "
                              "is.")
            .arg(native(target.path), now.reason);
    SettingsText merged;
    if (now.status == FileContents::Status::Ok) {
        merged = SettingsText::parse(now.bytes);
        if (now.truncated || merged.damaged())
            return QStringLiteral("the settings file %1 was changed since Gibbetry read it and no "
                                  "longer reads as its settings, so it was left as it is.")
                .arg(native(target.path));
    }
    const QByteArray before = merged.bytes();
    for (const Write &w : writes) {
        const auto seen = seen_.constFind({w.section, w.key});
        if (seen == seen_.constEnd() || *seen != w.value || !merged.value(w.section, w.key))
            merged.setValue(w.section, w.key, w.value);
    }
    const QByteArray bytes = merged.bytes();
    if (bytes.size() > maxFileBytes)
        return QStringLiteral("the settings file %1 would grow larger than 64 KiB, so it was left "
                              "as it was.")
            .arg(native(target.path));
    if (!target.exists || bytes != before) {
        if (std::optional<QString> failed = saveTo(target, bytes))
            return failed;
    }
    text_ = std::move(merged);
    for (const Write &w : writes)
        seen_.insert({w.section, w.key}, w.value);
    salvaged_.reset();
    return std::nullopt;
}

std::optional<QString> IniSettingsStore::saveTo(const Target &target, const QByteArray &bytes) const
{
    const QFileInfo file(target.path);
    // The folder is opened once and every later step goes through it, so that a folder on the way
    // swapped for a link after the checks leads nowhere else. It must hold the file that was
    // checked, or be the folder that was checked when there is no file yet.
    const OpenFolder folder(file.path());
    const int dir = folder.fd;
    if (dir < 0)
        return QStringLiteral("the folder %1 cannot be written to: %2.")
            .arg(native(file.path()), errorText(errno));
    const QByteArray name = encoded(file.fileName());
    struct stat found {};
    if ((target.exists ? ::fstatat(dir, name.constData(), &found, AT_SYMLINK_NOFOLLOW)
                       : ::fstat(dir, &found)) != 0 ||
        found.st_dev != target.info.st_dev || found.st_ino != target.info.st_ino)
        return QStringLiteral("the settings file %1 was changed while it was saved, so nothing "
                              "was written.")
            .arg(native(target.path));
    if (!rootMayUse(folder, filePath_))
        return QStringLiteral("the folder %1 does not belong to the owner of %2, and Gibbetry run "
                              "as root writes in no other user's folder, so nothing was written.")
            .arg(native(file.path()), native(QFileInfo(QFileInfo(filePath_).path()).path()));
    const QString prefix = file.fileName() + QStringLiteral(".saving-");
    removeStaleTemporaries(dir, file.path(), prefix);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = encoded(prefix + QString::number(::getpid()) + QLatin1Char('-') +
                            QString::number(QRandomGenerator::global()->generate(), 36));
        fd = ::openat(dir, temporary.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return QStringLiteral("the folder %1 cannot be written to: %2.")
            .arg(native(file.path()), errorText(errno));

    // The old file's owner (only root can give it) and mode; a new file is the player's alone.
    const bool root = ::geteuid() == 0;
    const mode_t mode = target.exists ? target.info.st_mode & 07777 : 0600;
    const bool ok = (!root || ::fchown(fd, target.info.st_uid, target.info.st_gid) == 0) &&
                    ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int error = ok ? 0 : errno;
    if (::close(fd) != 0 || !ok ||
        ::renameat(dir, temporary.constData(), dir, name.constData()) != 0) {
        const int failure = error ? error : errno;
        ::unlinkat(dir, temporary.constData(), 0);
        if (failure == ENOSPC || failure == EDQUOT)
            return QStringLiteral("there is no room left on the disk that holds %1, so the file "
                                  "was left as it was.")
                .arg(native(target.path));
        return QStringLiteral("the settings file %1 could not be written: %2. It was left as it "
                              "was.")
            .arg(native(target.path), errorText(failure));
    }
    // The rename itself is made durable with the folder; a folder that cannot be synced does
    // not undo a save that took place.
    ::fsync(dir);
    return std::nullopt;
}

} // namespace gibbetry
