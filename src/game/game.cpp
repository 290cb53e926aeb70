#include "game/game.h"

#include "game/clock_text.h"
#include "game/figure_stages.h"

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

Game::Game(Options &options, GamePlatform platform, QList<QByteArray> dataDirs, QLocale locale)
    : options_(options), platform_(platform), locale_(std::move(locale)),
      loader_({platform.files, platform.worker, platform.busy, platform.messages},
              std::move(dataDirs))
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
    return WordListLoader::fileName(index);
}

void Game::ReadWordSource()
{
    const int source = options().wordSourceIndex();
    loader_.load(source, loadedSource_, [this, source](std::optional<WordList> list) {
        listRead(source, std::move(list));
    });
}

void Game::listRead(int source, std::optional<WordList> list)
{
    if (list) {
        wordList_ = std::move(*list);
        loadedSource_ = source;
    } else {
        // The list still loaded stays in play, so the options name it.
        options_.keepLoadedWordSource(*this);
    }
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
    if (loader_.isReading()) {
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
                ? tr("No word list is loaded, so no game can start. Choose a word list in "
                     "Options.")
                : tr("No word of the list \"%1\" fits the length limit of %n characters. Choose "
                     "a longer limit or another list in Options.", nullptr, lengthLimit())
                      .arg(loadedListName()));
        return;
    }
    state_.stagesLeft = figureStageCount;
    state_.chancesLeft = qint16(options().comGuessText().toInt());
    state_.manualMode = options().optGuessManual();
    state_.lettersFound = 0;
    ResetBoard();
    const QString word = PickSecretWord();
    ShowWordSlots(int(word.size()));
    ShowErrorCounters();
    state_.gameOver = false;
    ++gamesStarted_;
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
    if (!state_.manualMode)
        return;
    const OptionsControls &opt = options();
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
        // A new game that waited for its list may start while the box is open: the win ends
        // only the game it was won in.
        const quint64 wonGame = gamesStarted_;
        platform_.messages.show(MessageBox::Icon::Information,
                                //: The win message: keep its line breaks.
                                tr("You have completed the word.\r\n\r\n\r\nWell done."));
        if (gamesStarted_ == wonGame)
            state_.gameOver = true;
    }
}

void Game::RecordWrongGuess()
{
    // By the rule the game started with: a mode chosen while the next game waits for its list
    // applies from that game on, whose board shows it.
    if (state_.manualMode)
        CountDownChances();
    else
        DrawNextStage();
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
