#include "platform/qt_settings_store.h"

#include "platform/posix_file_reader.h"
#include "version.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
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
    return ::realpath(QFile::encodeName(path).constData(), target) ? QFile::decodeName(target)
                                                                     : QString();
}

} // namespace

QtSettingsStore::QtSettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QString QtSettingsStore::userFilePath(const QProcessEnvironment &environment)
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

std::optional<QString> QtSettingsStore::load()
{
    loaded_ = true;
    text_ = {};
    damagedInPlace_.clear();
    // Anything but a regular file (a folder, a device, a FIFO) reads as no settings at all.
    FileContents contents = PosixFileReader().read(filePath_, maxFileBytes);
    if (contents.status != FileContents::Status::Ok)
        return std::nullopt;
    // Larger than any file the game writes: not parsed, all defaults.
    if (!contents.truncated) {
        text_ = SettingsText::parse(contents.bytes);
        if (!text_.damaged())
            return std::nullopt;
    }

    const QString aside = moveAside(filePath_);
    const QString what =
        (contents.truncated ? QStringLiteral("The settings file %1 is larger than 64 KiB, far "
                                             "more than Gibbetry's settings take.")
                            : QStringLiteral("The settings file %1 could not be read as "
                                             "Gibbetry's settings."))
            .arg(native(filePath_));
    if (aside.isEmpty()) {
        damagedInPlace_ = filePath_;
        return what + QStringLiteral(" It could not be moved aside, so it is left as it is and "
                                     "options will not be saved over it; the options it does not "
                                     "hold start from their defaults.");
    }
    return what + QStringLiteral(" It was moved, unchanged, to %1. The options it did not hold "
                                 "start from their defaults.")
                      .arg(native(aside));
}

QString QtSettingsStore::moveAside(const QString &file)
{
    // Through symbolic links, the file itself moves: the link stays, and the next save writes
    // where it points. The name never replaces an earlier copy.
    const QString target = resolved(file);
    if (target.isEmpty())
        return {};
    const QString stem = target + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? stem : stem + QLatin1Char('-') + QString::number(n);
        if (QFileInfo::exists(name))
            continue;
        return QFile::rename(target, name) ? name : QString();
    }
    return {};
}

QString QtSettingsStore::read(const QString &section, const QString &key,
                              const QString &defaultValue)
{
    if (!loaded_)
        load();
    return text_.value(section, key).value_or(defaultValue);
}

void QtSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    pending_.append({section, key, value});
}

std::optional<QString> QtSettingsStore::refusal() const
{
    if (!damagedInPlace_.isEmpty())
        return QStringLiteral("the settings file %1 could not be read and could not be moved "
                              "aside, so it was left as it is.")
            .arg(native(damagedInPlace_));
    // stat follows the links: what counts is what the path leads to.
    struct stat info {};
    if (::stat(QFile::encodeName(filePath_).constData(), &info) == 0) {
        if (S_ISREG(info.st_mode))
            return std::nullopt;
        const QString target = resolved(filePath_);
        return QStringLiteral("%1 is %2, not a settings file, so nothing was written to it.")
            .arg(target.isEmpty() || target == QFileInfo(filePath_).absoluteFilePath()
                     ? native(filePath_)
                     : QStringLiteral("%1 (through its link, %2)")
                           .arg(native(filePath_), native(target)),
                 fileKindText(info.st_mode));
    }
    if (errno == ENOENT)
        return std::nullopt; // nothing yet, or a link to nothing yet: the save creates it
    return QStringLiteral("the settings file %1 could not be reached: %2.")
        .arg(native(filePath_), QString::fromLocal8Bit(std::strerror(errno)));
}

std::optional<QString> QtSettingsStore::commit()
{
    if (!loaded_)
        load();
    SettingsText text = text_;
    for (const Write &w : std::exchange(pending_, {}))
        text.setValue(w.section, w.key, w.value);
    if (std::optional<QString> refused = refusal())
        return refused;

    const QFileInfo file(filePath_);
    const QFileInfo folder(file.absolutePath());
    if (!QDir().mkpath(folder.filePath()))
        return QStringLiteral("the folder %1 could not be created.").arg(native(folder.filePath()));
    QSaveFile out(filePath_);
    if (out.open(QIODevice::WriteOnly) && out.write(text.bytes()) >= 0 && out.commit()) {
        text_ = std::move(text);
        return std::nullopt;
    }
    if (!folder.isWritable())
        return QStringLiteral("the folder %1 cannot be written to.").arg(native(folder.filePath()));
    return QStringLiteral("the settings file %1 could not be written: %2.")
        .arg(native(filePath_), out.errorString());
}

} // namespace gibbetry
