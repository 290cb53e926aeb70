#include "game/word_list_loader.h"

#include "options/word_sources.h"

#include <QFileInfo>

#include <atomic>
#include <utility>

namespace gibbetry {

// One read of a word list: the places it is looked for and, once the work has returned, what was
// found. Shared with the worker thread, which may outlive the read when it is given up.
struct WordListLoader::Read {
    int source = -1;
    int inUse = -1;
    QList<QByteArray> paths; // the bare name in the working directory first, then the data folders
    int first = 0;           // where this read starts: after a place that did not answer
    std::atomic<int> current{0};
    std::atomic<bool> abandoned{false}; // given up, replaced, or its loader gone: no further file
    int found = -1;
    FileContents contents;
    FileContents own; // the player's own list in the working directory, as found
    ParsedWordList parsed;
    Done done;
};

WordListLoader::WordListLoader(Ports ports, QList<QByteArray> dataDirs)
    : ports_(ports), dataDirs_(std::move(dataDirs))
{
}

WordListLoader::~WordListLoader()
{
    // A read still running stops before its next file: the reader it uses goes with the game.
    if (reading_)
        reading_->abandoned = true;
}

QString WordListLoader::fileName(int source)
{
    const WordSource *found = wordSource(source);
    return found ? QString::fromUtf8(found->fileName) : QString();
}

void WordListLoader::load(int source, int inUse, Done done)
{
    auto read = std::make_shared<Read>();
    read->source = source;
    read->inUse = inUse;
    read->done = std::move(done);
    const QByteArray name = QFile::encodeName(fileName(source));
    if (!name.isEmpty()) {
        read->paths << name;
        for (const QByteArray &dir : std::as_const(dataDirs_))
            read->paths << dir + '/' + name;
    }
    start(std::move(read));
}

void WordListLoader::start(std::shared_ptr<Read> read)
{
    if (reading_)
        reading_->abandoned = true; // its result would be dropped
    read->current = read->first;
    reading_ = read;
    ports_.busy.setBusy(true);
    // The reader is the game's, not the work's: a work that outlives the game opens no further
    // file, though one already being read is finished in the reader's own code.
    FileReader &files = ports_.files;
    auto work = [read, &files] {
        for (int i = read->first; i < read->paths.size() && !read->abandoned; ++i) {
            read->current = i;
            FileContents contents = files.read(read->paths[i], maxListBytes);
            if (i == 0)
                read->own = contents;
            read->contents = std::move(contents);
            if (read->contents.status == FileContents::Status::Ok) {
                read->found = i;
                if (read->contents.truncated)
                    cutAtLastLineEnd(read->contents.bytes);
                read->parsed = parseWordList(read->contents.bytes);
                break;
            }
        }
    };
    ports_.worker.run(std::move(work), listReadLimit,
                      [this, read](bool finished) { ended(read, finished); });
}

void WordListLoader::ended(const std::shared_ptr<Read> &read, bool finished)
{
    ports_.busy.setBusy(false);
    if (read != reading_)
        return; // a later read took its place
    reading_.reset();
    if (!finished) {
        gaveUp(*read);
        return;
    }
    std::optional<WordList> list;
    if (read->found < 0) {
        QStringList looked; // where the list was looked for, for the player
        for (int place = 0; place < read->paths.size(); ++place)
            looked << shownPath(*read, place);
        ports_.messages.show(MessageBox::Icon::Warning,
                             tr("The word list \"%1\" could not be read. It was looked for as:\n"
                                "%2\n\n%3")
                                 .arg(fileName(read->source), looked.join(QLatin1Char('\n')),
                                      keptText(*read)));
    } else if (!tellWhyNotPlayable(*read)) {
        tellWhatWasLeftOut(*read);
        list = std::move(read->parsed.list);
    }
    read->done(std::move(list));
}

void WordListLoader::gaveUp(Read &read)
{
    // The next place is read while the player reads why.
    read.abandoned = true;
    const int hung = read.current;
    const bool more = hung + 1 < read.paths.size();
    if (more) {
        auto next = std::make_shared<Read>();
        next->source = read.source;
        next->inUse = read.inUse;
        next->paths = read.paths;
        next->first = hung + 1;
        next->done = read.done;
        start(std::move(next));
    }
    const int seconds = int(listReadLimit.count());
    QString text;
    if (!more)
        text = tr("The word list %1 did not answer within %n seconds, so Gibbetry stopped "
                  "waiting for it.\n\n%2", nullptr, seconds)
                   .arg(shownPath(read, hung), keptText(read));
    else if (hung == 0) // said before Gibbetry's own list is read, which may fail in turn
        text = tr("The word list %1 did not answer within %n seconds, so Gibbetry stopped "
                  "waiting for it and reads its own list instead.", nullptr, seconds)
                   .arg(shownPath(read, hung));
    else
        text = tr("The word list %1 did not answer within %n seconds, so Gibbetry stopped "
                  "waiting for it.", nullptr, seconds)
                   .arg(shownPath(read, hung));
    ports_.messages.show(MessageBox::Icon::Warning, text);
    if (!more)
        read.done(std::nullopt);
}

bool WordListLoader::tellWhyNotPlayable(const Read &read)
{
    if (read.parsed.list.hasPlayableWithin(wordSlotCount))
        return false;
    // Where the cap cut the list, the cap is why no word was found in it.
    QString text;
    if (read.parsed.overflow)
        text = tr("Gibbetry reads a word list only up to its first %n lines, and those of %1 hold "
                  "no word that can be played: a word needs 1 to 23 letters from A to Z.\n\n%2",
                  nullptr, WordList::capacity);
    else if (read.contents.truncated)
        text = tr("Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold "
                  "no word that can be played: a word needs 1 to 23 letters from A to Z.\n\n%2",
                  nullptr, int(maxListBytes / (1024 * 1024)));
    else
        text = tr("The word list %1 holds no word that can be played: a word needs 1 to 23 "
                  "letters from A to Z.\n\n%2");
    ports_.messages.show(MessageBox::Icon::Warning,
                         text.arg(shownPath(read, read.found), keptText(read)));
    return true;
}

void WordListLoader::tellWhatWasLeftOut(const Read &read)
{
    // The player's own list is there but could not be read: say so, or the shipped list would
    // stand in for it unnoticed.
    const FileContents::Status own = read.own.status;
    if (read.first == 0 && (own == FileContents::Status::NotRegularFile ||
                            own == FileContents::Status::Unreadable)) {
        ports_.messages.show(MessageBox::Icon::Warning,
                             tr("Your word list %1 could not be read: %2. Gibbetry's own list is "
                                "used instead.")
                                 .arg(shownPath(read, 0), read.own.reason));
    }
    const QString path = shownPath(read, read.found);
    if (read.parsed.overflow)
        ports_.messages.show(MessageBox::Icon::Information,
                             tr("The word list %1 is longer than Gibbetry reads: only its first "
                                "%n lines were loaded.", nullptr, WordList::capacity)
                                 .arg(path));
    else if (read.contents.truncated)
        ports_.messages.show(MessageBox::Icon::Information,
                             tr("The word list %1 is longer than Gibbetry reads: only its first "
                                "%n MiB were loaded.", nullptr, int(maxListBytes / (1024 * 1024)))
                                 .arg(path));
}

QString WordListLoader::keptText(const Read &read) const
{
    return read.inUse < 0 ? tr("No word list is loaded: choose another in Options.")
                          : tr("The word list \"%1\" stays in use.").arg(fileName(read.inUse));
}

QString WordListLoader::shownPath(const Read &read, int place) const
{
    // For the player only: the bytes are opened as they are, shown as well as they decode.
    return QFileInfo(QFile::decodeName(read.paths.value(place))).absoluteFilePath();
}

} // namespace gibbetry
