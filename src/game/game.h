#pragma once

#include "game/board.h"
#include "game/word_list.h"
#include "game/word_list_loader.h"
#include "options/options.h"
#include "platform/busy_pointer.h"
#include "platform/clock.h"
#include "platform/file_reader.h"
#include "platform/message_box.h"
#include "platform/random_source.h"
#include "platform/worker.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <optional>

namespace gibbetry {

struct GameState {
    QString secretWord;
    std::array<QString, wordSlotCount> wordLetters;
    qint16 lettersFound = 0;
    qint16 stagesLeft = 0;
    qint16 chancesLeft = 0;
    bool gameOver = true;
    // The rule this game counts misses by, from its start: its board shows the counters or the
    // figure for that rule, and no other.
    bool manualMode = false;
};

// The side effects the main window's logic needs.
struct GamePlatform {
    FileReader &files;
    RandomSource &random;
    MessageBox &messages;
    BusyPointer &busy;
    Clock &clock;
    Worker &worker; // where the word lists are read
};

// The main window without the window system: the word list, the game in progress and the board
// model that the view draws. Options are read from the options in force at the moment of use.
class Game final : public OptionsHost {
    Q_DECLARE_TR_FUNCTIONS(Game)
public:
    // dataDirs: where a word list is looked for when the working directory has no such file, as
    // the bytes the system names the folders by.
    Game(Options &options, GamePlatform platform, QList<QByteArray> dataDirs,
         QLocale locale = QLocale::system());

    void Form_Load();
    void Form_Unload();
    void cmdNewGame_Click() override;
    // A click on letter tile 0 (A) to 25 (Z).
    void lblLetters_Click(int index);
    void Timer1_Timer();
    // Starts reading the selected list off the user-interface thread, with the busy pointer; a
    // new game asked for meanwhile starts once the list is in.
    void ReadWordSource() override;
    bool isReadingList() const { return loader_.isReading(); }
    void setStatusCaption(int field, const QString &caption) override;
    int loadedWordSource() const override { return loadedSource_; }

    static QString GetWordSourceFileName(int index);

    const Board &board() const { return board_; }
    void setBoardObserver(BoardObserver *observer) { board_.setObserver(observer); }
    const GameState &state() const { return state_; }
    const WordList &wordList() const { return wordList_; }

private:
    QString PickSecretWord();
    int drawIndex(int count);
    void ResetBoard();
    void ShowWordSlots(int n);
    void ShowErrorCounters();
    void RecordWrongGuess();
    void CountDownChances();
    void DrawNextStage();
    void RevealWord();
    const OptionsControls &options() { return options_.inForce(*this); }
    // The longest entry the options allow; wordSlotCount when the limit is off.
    int lengthLimit();
    QString loadedListName() const;
    void listRead(int source, std::optional<WordList> list);

    Options &options_;
    GamePlatform platform_;
    QLocale locale_;
    WordListLoader loader_;
    WordList wordList_;
    int loadedSource_ = -1;
    bool newGameWaiting_ = false; // a new game asked for while a list was read
    quint64 gamesStarted_ = 0; // tells a game from one that started after it
    GameState state_;
    Board board_;
};

} // namespace gibbetry
