#pragma once

#include "fakes.h"
#include "game/game.h"

#include <QLocale>

namespace gibbetry::test {

// The game with fakes all round; "/data" is the program's word-list folder, where the default
// list (Ogden's) holds the words given.
struct GameRig {
    FakeStore store;
    FakeFiles files;
    ScriptedRandom random;
    RecordingMessages messages;
    CountingBusy busy;
    FixedClock clock;
    ImmediateWorker worker;
    Options options{store, messages};
    Game game{options, {files, random, messages, busy, clock, worker}, {QByteArray("/data")},
              QLocale(QLocale::English, QLocale::UnitedStates)};

    explicit GameRig(const QByteArray &words = "cat\r\ndog\r\n")
    {
        files.put("/data/Ogden's Basic English Words.txt", words);
    }
    OptionsControls &opt() { return options.live(game); }
    const Board &board() const { return game.board(); }

    // Loads, sets the mode (0 for drawing, else the wrong guesses allowed) and starts a game
    // with the first word of the list.
    void start(int manualAllowed = 0)
    {
        if (!options.isLoaded())
            game.Form_Load();
        if (manualAllowed > 0) {
            opt().setOptGuessManual(true);
            opt().setComGuessIndex(manualAllowed - 1);
        } else {
            opt().setOptGuessGUI(true);
        }
        random.script = {0.0};
        game.cmdNewGame_Click();
    }
    void guess(char letter) { game.lblLetters_Click(letter - 'A'); }
    void guess(const char *letters)
    {
        for (const char *c = letters; *c; ++c)
            guess(*c);
    }

    QString shownWord() const // the word as the slots show it, "_" for a hidden or empty slot
    {
        QString out;
        for (int i = 0; i < Board::slotCount; ++i) {
            if (!board().isVisible({Element::lblWord, i}))
                continue;
            const QString caption = board().caption({Element::lblWord, i});
            out += caption.isEmpty() ? QStringLiteral("_") : caption;
        }
        return out;
    }
    QList<int> visibleParts() const
    {
        QList<int> out;
        for (int i = 1; i <= Board::figurePartCount; ++i)
            if (board().isVisible({Element::draw, i}))
                out << i;
        return out;
    }
    Rgb tileColour(char letter) const { return board().colour({Element::lblLetters, letter - 'A'}); }
};

} // namespace gibbetry::test
