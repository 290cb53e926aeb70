#pragma once

#include "platform/file_reader.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <sys/stat.h>

// The settings file's ground: paths as the bytes the system gives (never decoded and encoded
// again, which would turn a folder whose name is not UTF-8 into another one), folders held open,
// and files read with the identity they had while they were read.
namespace gibbetry::settings_file {

// What the player reads for a path, and for an errno.
QString shown(const QByteArray &path);
QString errorText(int error);

// "/a/b/c" gives "/a/b" and "c"; "/c" gives "/" and "c".
QByteArray folderOf(const QByteArray &path);
QByteArray nameOf(const QByteArray &path);
// Absolute (from the working directory), with no ".", ".." or doubled slash.
QByteArray cleaned(const QByteArray &path);

// Where a path leads through its symbolic links, or the errno of why it leads nowhere: ENOENT
// when nothing is there, anything else when the way could not be followed (EIO, ELOOP).
struct Resolved {
    QByteArray path;
    int error = 0;
};
Resolved resolve(const QByteArray &path);

bool isLink(const QByteArray &path);
// A symbolic link that another user made: root does not follow it, as it may lead a save of a
// player's settings over a system file.
bool isOthersLink(const QByteArray &path);

// Which file a name stood for and what it held: a file rewritten, replaced or appended to since
// differs in one of these.
struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified {};
    static Identity of(const struct stat &info);
    bool operator==(const Identity &other) const;
    bool operator!=(const Identity &other) const { return !(*this == other); }
};

// A folder held open, so that what is done in it is done there whatever is renamed meanwhile.
class OpenFolder {
public:
    explicit OpenFolder(const QByteArray &path);
    ~OpenFolder();
    OpenFolder(const OpenFolder &) = delete;
    OpenFolder &operator=(const OpenFolder &) = delete;
    // The names in it that start with prefix.
    QList<QByteArray> names(const QByteArray &prefix) const;
    // What is at name now (not followed if a link); false when nothing is.
    bool stat(const QByteArray &name, struct stat &info) const;
    const int fd;
};

// A file opened, read whole up to a limit and kept open until destroyed, so that it can be looked
// at again after its name was given to another file.
class OpenedFile {
public:
    // Opens name in folder (a link at name followed unless noFollow) and reads it; a file that
    // changes while it is read is read again, up to three times, and then counts as changed.
    OpenedFile(int folder, const QByteArray &name, qint64 maxBytes, bool noFollow);
    ~OpenedFile();
    OpenedFile(const OpenedFile &) = delete;
    OpenedFile &operator=(const OpenedFile &) = delete;

    const FileContents &contents() const { return contents_; }
    // As it was while it was read; meaningful when the contents are Ok.
    const Identity &identity() const { return identity_; }
    mode_t mode() const { return info_.st_mode; }
    uid_t owner() const { return info_.st_uid; }
    gid_t group() const { return info_.st_gid; }
    // The file itself (not its name) was written to since it was read.
    bool changed() const;
    // Its bytes now, from its start; nothing when they cannot be read or pass the limit.
    std::optional<QByteArray> bytesNow() const;
    // Copies the whole file to fd, from its start; false with errno set when it cannot.
    bool copyTo(int fd) const;

private:
    bool readWhole();
    int fd_ = -1;
    qint64 maxBytes_;
    struct stat info_ {};
    Identity identity_;
    FileContents contents_;
};

// Writes the whole buffer, through interruptions; false with errno set when it cannot.
bool writeAll(int fd, const QByteArray &bytes);

// Run as root, the game writes and moves files only in folders of the config folder's owner (the
// folder above the settings file's, not followed if a link): a link a player swaps in at any
// moment then leads into none of another user's folders.
bool rootMayUse(const OpenFolder &folder, const QByteArray &filePath);

// Makes the folder and any missing one above it, private to the player as the XDG rules ask
// (root making them in a player's home gives them to the owner of the folder above). Returns why
// it could not, or nothing.
std::optional<QString> makeFolders(const QByteArray &folder);

// Temporary files of saves that died with their game: their pid no longer runs. Called only
// under the save lock, so no live game is between writing its temporary file and renaming it,
// whatever the file's date says.
void removeDeadTemporaries(const OpenFolder &folder, const QByteArray &prefix);

} // namespace gibbetry::settings_file
