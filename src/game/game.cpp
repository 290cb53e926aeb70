#include "game/game.h"

#include "game/clock_text.h"
#include "game/figure_stages.h"

#include <QFileInfo>

#include <atomic>
#include <cmath>
#include <utility>

namespace gibbetry {

namespace {
// Upper-cases one character at a time, without a locale: "ß" stays one character.
QString upper(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = text[i].toUpper();
    return out;
}

// The pick draws by the index formula; past this many misses it draws among the fitting entries
// directly, so that it ends at once on any list.
constexpr int maxRandomDraws = 1000;
} // namespace

Game::Game(Options &options, GamePlatform platform, QStringList dataDirs, QLocale locale)
    : options_(options), platform_(platform), dataDirs_(std::move(dataDirs)),
      locale_(std::move(locale))
{
}

void Game::Form_Load()
{
    state_.gameOver = true;
    // The random source was seeded from the time of day when it was made, once for the run.
    options_.Form_Load(*this);
    ReadWordSource();
}

void Game::Form_Unload()
{
    options_.unload();
}

QString Game::GetWordSourceFileName(int index)
{
    static const char *const names[] = {
        "Australian English Dictionary.txt", "Ogden's Basic English Words.txt",
        "SmarterKid 1.txt", "SmarterKid 2.txt", "SmarterKid 3.txt", "SmarterKid 4.txt",
        "SmarterKid 5.txt",
    };
    return index >= 0 && index < int(std::size(names)) ? QString::fromLatin1(names[index])
                                                       : QString();
}

// One read of a word list: the places it is looked for and, once the work has returned, what was
// found. Shared with the worker thread, which may outlive the read when it is given up.
struct Game::ListRead {
    int source = -1;
    QString name;
    QStringList paths;  // the bare name in the working directory first, then the data folders
    int first = 0;      // where this read starts: after a place that did not answer
    std::atomic<int> current{0};
    std::atomic<bool> abandoned{false}; // given up, replaced, or its game gone: no further file
    int found = -1;
    FileContents contents;
    FileContents own;   // the player's own list in the working directory, as found
    ParsedWordList parsed;
};

Game::~Game()
{
    // A read still running stops before its next file: the reader it uses goes with this game.
    if (reading_)
        reading_->abandoned = true;
}

void Game::ReadWordSource()
{
    auto read = std::make_shared<ListRead>();
    read->source = options().wordSourceIndex();
    read->name = GetWordSourceFileName(read->source);
    // The bare name in the working directory first: the player may keep their own list there.
    if (!read->name.isEmpty()) {
        read->paths << read->name;
        for (const QString &dir : dataDirs_)
            read->paths << dir + QLatin1Char('/') + read->name;
    }
    readList(std::move(read));
}

void Game::readList(std::shared_ptr<ListRead> read)
{
    if (reading_)
        reading_->abandoned = true; // its result would be dropped
    read->current = read->first;
    reading_ = read;
    platform_.busy.setBusy(true);
    // The reader is the game's, not the work's: a work that outlives the game opens no further
    // file, though one already being read is finished in the reader's own code.
    FileReader &files = platform_.files;
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
    platform_.worker.run(std::move(work), listReadLimit,
                         [this, read](bool finished) { listRead(read, finished); });
}

void Game::listRead(const std::shared_ptr<ListRead> &read, bool finished)
{
    platform_.busy.setBusy(false);
    if (read != reading_)
        return; // a later read took its place
    reading_.reset();
    QStringList looked; // where the list was looked for, for the player
    for (const QString &path : std::as_const(read->paths))
        looked << QFileInfo(path).absoluteFilePath();
    const QString keeps = wordList_.isEmpty()
                              ? QStringLiteral("No word list is loaded: choose another in Options.")
                              : QStringLiteral("The word list \"%1\" stays in use.")
                                    .arg(loadedListName());

    if (!finished) {
        // Given up: the next place is read while the player reads why.
        read->abandoned = true;
        const int hung = read->current;
        const bool more = hung + 1 < read->paths.size();
        if (more) {
            auto next = std::make_shared<ListRead>();
            next->source = read->source;
            next->name = read->name;
            next->paths = read->paths;
            next->first = hung + 1;
            readList(next);
        }
        const qint64 seconds = listReadLimit.count();
        platform_.messages.show(
            MessageBox::Icon::Warning,
            QStringLiteral("The word list %1 did not answer within %2 seconds, so Gibbetry "
                           "stopped waiting for it.")
                    .arg(looked.value(hung))
                    .arg(seconds) +
                (!more ? QStringLiteral("\n\n") + keeps
                       : hung == 0 ? QStringLiteral(" Gibbetry's own list is used instead.")
                                   : QString()));
        if (!more)
            listNotLoaded();
        return;
    }

    if (read->found < 0) {
        platform_.messages.show(MessageBox::Icon::Warning,
                                QStringLiteral("The word list \"%1\" could not be read. It was "
                                               "looked for as:\n%2\n\n%3")
                                    .arg(read->name, looked.join(QLatin1Char('\n')), keeps));
        listNotLoaded();
        return;
    }
    const QString path = looked.value(read->found);
    if (!read->parsed.list.hasPlayableWithin(wordSlotCount)) {
        platform_.messages.show(
            MessageBox::Icon::Warning,
            QStringLiteral("The word list %1 holds no word that can be played: a word needs 1 to "
                           "23 letters from A to Z.\n\n%2")
                .arg(path, keeps));
        listNotLoaded();
        return;
    }
    wordList_ = std::move(read->parsed.list);
    loadedSource_ = read->source;
    // The player's own list is there but could not be read: say so, or the shipped list would
    // stand in for it unnoticed.
    if (read->first == 0 && (read->own.status == FileContents::Status::NotRegularFile ||
                             read->own.status == FileContents::Status::Unreadable)) {
        platform_.messages.show(MessageBox::Icon::Warning,
                                QStringLiteral("Your word list %1 could not be read: %2. "
                                               "Gibbetry's own list is used instead.")
                                    .arg(looked.constFirst(), read->own.reason));
    }
    if (read->contents.truncated || read->parsed.overflow) {
        platform_.messages.show(
            MessageBox::Icon::Information,
            QStringLiteral("The word list %1 is longer than Gibbetry reads: only its first %2 "
                           "were loaded.")
                .arg(path, read->parsed.overflow ? QStringLiteral("50000 lines")
                                                 : QStringLiteral("16 MiB")));
    }
    if (std::exchange(newGameWaiting_, false))
        cmdNewGame_Click();
}

void Game::listNotLoaded()
{
    // The list still loaded stays in play, so the options name it.
    options_.keepLoadedWordSource(*this);
    if (std::exchange(newGameWaiting_, false))
        cmdNewGame_Click();
}

void Game::setStatusCaption(int field, const QString &caption)
{
    board_.setCaption({Element::status, field}, caption);
}

int Game::lengthLimit()
{
    const OptionsControls &opt = options();
    return opt.chkLength() == 1 ? opt.comLengthText().toInt() : wordSlotCount;
}

QString Game::loadedListName() const
{
    return loadedSource_ >= 0 ? GetWordSourceFileName(loadedSource_) : QString();
}

void Game::cmdNewGame_Click()
{
    if (reading_) {
        newGameWaiting_ = true;
        return;
    }
    // No game can start when no entry fits: say so rather than draw for ever.
    if (!wordList_.hasPlayableWithin(lengthLimit())) {
        ResetBoard();
        state_.gameOver = true;
        platform_.messages.show(
            MessageBox::Icon::Information,
            wordList_.isEmpty()
                ? QStringLiteral("No word list is loaded, so no game can start. Choose a word "
                                 "list in Options.")
                : QStringLiteral("No word of the list \"%1\" fits the length limit of %2 "
                                 "characters. Choose a longer limit or another list in Options.")
                      .arg(loadedListName())
                      .arg(lengthLimit()));
        return;
    }
    state_.stagesLeft = 12;
    state_.chancesLeft = qint16(options().comGuessText().toInt());
    state_.lettersFound = 0;
    ResetBoard();
    const QString word = PickSecretWord();
    ShowWordSlots(int(word.size()));
    ShowErrorCounters();
    state_.gameOver = false;
}

int Game::drawIndex(int count)
{
    // Callers draw only from a list with a playable entry; the clamp stays defined regardless.
    Q_ASSERT(count >= 1);
    const double r = platform_.random.next();
    const int index = int(std::floor(r * count)) + 1;
    return std::clamp(index, 1, std::max(count, 1));
}

QString Game::PickSecretWord()
{
    const int n = wordList_.count();
    int index = 0;
    {
        BusyScope busy(platform_.busy);
        auto fits = [this](int number) {
            return wordList_.isPlayableEntry(number) &&
                   wordList_.entry(number).size() <= lengthLimit();
        };
        bool found = false;
        for (int attempt = 0; attempt < maxRandomDraws && !found; ++attempt) {
            index = drawIndex(n);
            found = fits(index);
        }
        if (!found) {
            std::vector<int> fitting;
            for (int number = 1; number <= n; ++number) {
                if (fits(number))
                    fitting.push_back(number);
            }
            index = fitting[drawIndex(int(fitting.size())) - 1];
        }
    }
    state_.secretWord = wordList_.entry(index).toString();
    for (qsizetype i = 0; i < state_.secretWord.size(); ++i)
        state_.wordLetters[i] = state_.secretWord.at(i);
    return state_.secretWord;
}

void Game::ResetBoard()
{
    for (int i = 0; i < Board::slotCount; ++i) {
        const ElementId slot{Element::lblWord, i};
        board_.setVisible(slot, false);
        board_.setCaption(slot, QString());
        board_.setColour(slot, colour::black);
    }
    for (int i = 0; i < Board::letterCount; ++i)
        board_.setColour({Element::lblLetters, i}, colour::black);
    board_.setVisible({Element::lblGameOver}, false);
    for (int i = 1; i <= Board::figurePartCount; ++i)
        board_.setVisible({Element::draw, i}, false);
    board_.setVisible({Element::shapeGuess}, false);
    for (int i = 1; i <= 3; ++i) {
        board_.setVisible({Element::lblG, i}, false);
        board_.setVisible({Element::lblGG, i}, false);
    }
}

void Game::ShowWordSlots(int n)
{
    for (int i = 0; i < n; ++i)
        board_.setVisible({Element::lblWord, i}, true);
}

void Game::ShowErrorCounters()
{
    const OptionsControls &opt = options();
    if (!opt.optGuessManual())
        return;
    board_.setCaption({Element::lblGG, 1}, opt.comGuessText());
    board_.setCaption({Element::lblGG, 2}, QStringLiteral("0"));
    board_.setCaption({Element::lblGG, 3}, board_.caption({Element::lblGG, 1}));
    board_.setVisible({Element::shapeGuess}, true);
    for (int i = 1; i <= 3; ++i) {
        board_.setVisible({Element::lblG, i}, true);
        board_.setVisible({Element::lblGG, i}, true);
    }
}

void Game::lblLetters_Click(int index)
{
    if (state_.gameOver)
        return;
    const ElementId tile{Element::lblLetters, index};
    const QString letter = upper(board_.caption(tile));
    bool found = false;
    const int n = int(state_.secretWord.size());
    for (int j = 0; j < n; ++j) {
        if (upper(state_.wordLetters[j]) != letter)
            continue;
        const ElementId slot{Element::lblWord, j};
        if (board_.caption(slot).isEmpty()) {
            board_.setCaption(slot, letter);
            ++state_.lettersFound;
        }
        board_.setColour(tile, colour::green);
        found = true;
    }
    if (!found) {
        board_.setColour(tile, colour::red);
        RecordWrongGuess();
    }
    if (state_.lettersFound == n) {
        board_.setVisible({Element::lblGameOver}, true);
        platform_.messages.show(MessageBox::Icon::Information,
                                QStringLiteral("You have completed the word.\r\n\r\n\r\nWell done."));
        state_.gameOver = true;
    }
}

void Game::RecordWrongGuess()
{
    // The mode is read at each wrong guess, not fixed at the start of a game.
    if (options().optGuessGUI())
        DrawNextStage();
    else
        CountDownChances();
}

void Game::CountDownChances()
{
    --state_.chancesLeft;
    const int allowed = board_.caption({Element::lblGG, 1}).toInt();
    board_.setCaption({Element::lblGG, 2}, QString::number(allowed - state_.chancesLeft));
    board_.setCaption({Element::lblGG, 3}, QString::number(state_.chancesLeft));
    if (state_.chancesLeft == 0) {
        board_.setVisible({Element::lblGameOver}, true);
        state_.gameOver = true;
        RevealWord();
    }
}

void Game::DrawNextStage()
{
    const FigureStage stage = figureStage(state_.stagesLeft);
    for (const int part : stage.hidden)
        board_.setVisible({Element::draw, part}, false);
    for (const int part : stage.shown)
        board_.setVisible({Element::draw, part}, true);
    if (state_.stagesLeft == 1) {
        board_.setVisible({Element::lblGameOver}, true);
        state_.gameOver = true;
        RevealWord();
    }
    --state_.stagesLeft;
}

void Game::RevealWord()
{
    for (int j = 0; j < int(state_.secretWord.size()); ++j) {
        const ElementId slot{Element::lblWord, j};
        if (!board_.caption(slot).isEmpty())
            continue;
        board_.setCaption(slot, upper(state_.wordLetters[j]));
        board_.setColour(slot, colour::blue);
    }
}

void Game::Timer1_Timer()
{
    const ElementId status1{Element::status, 1};
    board_.setCaption(status1, clockText(platform_.clock.currentTime(), locale_,
                                         [this, status1](const QString &text) {
                                             return board_.fitsLegibly(status1, text);
                                         }));
}

} // namespace gibbetry
