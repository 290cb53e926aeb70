#pragma once

#include "game/word_list.h"
#include "platform/busy_pointer.h"
#include "platform/file_reader.h"
#include "platform/message_box.h"
#include "platform/worker.h"

#include <QCoreApplication>
#include <QList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace gibbetry {

// Finds and reads the word list of a source, off the user-interface thread: the bare file name in
// the working directory first (the player may keep their own list there), then each data folder.
// A place that does not answer in time is given up for the next. What goes wrong is told to the
// player here; the game is handed only a list it can play from.
class WordListLoader {
    Q_DECLARE_TR_FUNCTIONS(WordListLoader)
public:
    // The cap: a list is read up to this many bytes and WordList::capacity lines.
    static constexpr qint64 maxListBytes = 16 * 1024 * 1024;
    // A list file that has not answered in this time is given up for the next place to look.
    static constexpr std::chrono::seconds listReadLimit{10};

    struct Ports {
        FileReader &files;
        Worker &worker;
        BusyPointer &busy;
        MessageBox &messages;
    };
    // Runs on the user-interface thread once a read ends: with the list, or with nothing when no
    // playable list was found (the player has been told).
    using Done = std::function<void(std::optional<WordList> list)>;

    // dataDirs: the program's word-list folders, as the bytes the system names them by.
    WordListLoader(Ports ports, QList<QByteArray> dataDirs);
    ~WordListLoader();

    // The file of a source (0 to 6), or "" for any other index.
    static QString fileName(int source);

    // Starts reading the list of source; a read in progress is given up and never reports.
    // inUse: the source whose list the game keeps when this one cannot be used, -1 for none.
    void load(int source, int inUse, Done done);
    bool isReading() const { return reading_ != nullptr; }

private:
    struct Read;
    void start(std::shared_ptr<Read> read);
    void ended(const std::shared_ptr<Read> &read, bool finished);
    void gaveUp(Read &read);
    bool tellWhyNotPlayable(const Read &read);
    void tellWhatWasLeftOut(const Read &read);
    QString keptText(const Read &read) const;
    QString shownPath(const Read &read, int place) const;

    Ports ports_;
    QList<QByteArray> dataDirs_;
    std::shared_ptr<Read> reading_; // the read in progress, if any
};

} // namespace gibbetry
