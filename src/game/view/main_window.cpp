#include "game/view/main_window.h"

#include "about/about_box.h"
#include "game/accessible_text.h"
#include "game/game.h"
#include "game/view/board_label.h"
#include "game/view/figure_layer.h"
#include "options/view/options_dialog.h"
#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/text_fit.h"
#include "platform/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace gibbetry {

namespace {
// The theme's colours as the window has them once polished: a style sheet's among them.
BoardColours themeBoardColours(QWidget &window)
{
    window.ensurePolished();
    return boardColours(window.palette());
}
} // namespace

MainWindow::MainWindow(Game &game, Options &options)
    : game_(game), options_(options)
{
    colours_ = themeBoardColours(*this);
    setWindowTitle(QStringLiteral("Gibbetry"));
    setWindowIcon(appIcon());
    // Fixed size: minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    refuseMaximise(*this);
    installLetterTileAccessibility();
    build();
    mirrorBoard();
    game_.setBoardObserver(this);
}

MainWindow::~MainWindow()
{
    game_.setBoardObserver(nullptr);
}

void MainWindow::build()
{
    auto *client = new QWidget(this);
    client->setFixedSize(874, 389); // 13110 x 5835 twips
    // The board reads left to right in every language: the letters A to Z and the secret word are
    // English and run left to right, the gallows and the counters stand beside them. Only the
    // menu bar follows a right-to-left language.
    client->setLayoutDirection(Qt::LeftToRight);
    setCentralWidget(client);

    itmOptions_ = menuBar()->addAction(tr("&Options"));
    itmAbout_ = menuBar()->addAction(tr("&About"));
    connect(itmOptions_, &QAction::triggered, this, &MainWindow::itmOptions_Click);
    connect(itmAbout_, &QAction::triggered, this, &MainWindow::itmAbout_Click);

    figure_ = new FigureLayer(client, game_.board(), colours_);
    figure_->setGeometry(client->rect());

    // One font object per size, shared by every element that uses it.
    const QFont slotFont = msSansSerif(18);
    buildLetterTiles(*client);
    lblHint_ = new BoardLabel(client, colours_, false);
    lblHint_->setGeometry(fromTwips(1800, 1800, 5415, 735));
    buildWordSlots(*client, slotFont);

    cmdNewGame_ = new QPushButton(tr("Start New Game"), client);
    cmdNewGame_->setGeometry(fromTwips(3000, 3720, 2535, 495));
    fitCaption(*cmdNewGame_, msSansSerif(12));
    cmdNewGame_->setFocusPolicy(Qt::StrongFocus);
    connect(cmdNewGame_, &QPushButton::clicked, this, [this] { game_.cmdNewGame_Click(); });

    buildStatusLine(*client);
    buildCounters(*client, slotFont);

    lblGameOver_ = new BoardLabel(client, colours_, false);
    lblGameOver_->setGeometry(fromTwips(9360, 4680, 2775, 615));
    lblGameOver_->setAlignment(Qt::AlignCenter);
    lblGameOver_->setFont(layoutFont(QStringLiteral("Comic Sans MS"), 21.75));
    lblGameOver_->setShrinkToFit(true);
    lblGameOver_->setOwnGround(colour::red);

    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Timer1: runs from the window's creation to its end, on the interface thread.
    auto *timer1 = new QTimer(this);
    timer1->setInterval(500);
    connect(timer1, &QTimer::timeout, this, [this] { game_.Timer1_Timer(); });
    timer1->start();
}

void MainWindow::buildLetterTiles(QWidget &client)
{
    const QFont tileFont = msSansSerif(24);
    for (int i = 0; i < Board::letterCount; ++i) {
        auto *tile = new LetterTile(&client, colours_, i);
        const int row = i / 13;
        tile->setGeometry(fromTwips(360 + 600 * (i % 13), 360 + 600 * row, 570, 555));
        tile->setAlignment(Qt::AlignCenter);
        tile->setFont(tileFont);
        tile->setToolTip(tr("Click on the letter to select it."));
        connect(tile, &LetterTile::clicked, this, [this](int index) { game_.lblLetters_Click(index); });
        letters_[i] = tile;
    }
}

void MainWindow::buildWordSlots(QWidget &client, const QFont &font)
{
    for (int i = 0; i < Board::slotCount; ++i) {
        auto *slot = new BoardLabel(&client, colours_, true);
        slot->setGeometry(fromTwips(120 + 360 * i, 2880, 375, 495));
        slot->setAlignment(Qt::AlignCenter);
        slot->setFont(font);
        slots_[i] = slot;
    }
}

void MainWindow::buildStatusLine(QWidget &client)
{
    const int statusLeft[] = {120, 1080, 6120, 8880};
    const int statusWidth[] = {825, 4935, 2655, 1095};
    for (int i = 0; i < 4; ++i) {
        status_[i] = new BoardLabel(&client, colours_, true);
        status_[i]->setGeometry(fromTwips(statusLeft[i], 5520, statusWidth[i], 255));
        // The clock (some locales' AM and PM words are long) and the translated fields.
        status_[i]->setShrinkToFit(true);
    }
}

void MainWindow::buildCounters(QWidget &client, const QFont &font)
{
    for (int i = 0; i < 3; ++i) {
        counterCaptions_[i] = new BoardLabel(&client, colours_, false);
        counterCaptions_[i]->setGeometry(fromTwips(8880, 1200 + 840 * i, 2535, 495));
        counterCaptions_[i]->setFont(font);
        counterCaptions_[i]->setShrinkToFit(true);
        counterValues_[i] = new BoardLabel(&client, colours_, false);
        counterValues_[i]->setGeometry(fromTwips(11640, 1200 + 840 * i, 495, 495));
        counterValues_[i]->setFont(font);
    }
}

BoardLabel *MainWindow::label(ElementId id) const
{
    switch (id.element) {
    case Element::lblLetters: return letters_[id.index];
    case Element::lblWord: return slots_[id.index];
    case Element::lblGameOver: return lblGameOver_;
    case Element::lblG: return counterCaptions_[id.index - 1];
    case Element::lblGG: return counterValues_[id.index - 1];
    case Element::status: return status_[id.index - 1];
    case Element::lblHint: return lblHint_;
    case Element::draw:
    case Element::shapeGuess: return nullptr;
    }
    return nullptr;
}

void MainWindow::mirrorBoard()
{
    const Board &board = game_.board();
    auto mirror = [&](Element element, int first, int last) {
        for (int i = first; i <= last; ++i)
            elementChanged({element, i}, board[{element, i}]);
    };
    mirror(Element::lblLetters, 0, Board::letterCount - 1);
    mirror(Element::lblWord, 0, Board::slotCount - 1);
    mirror(Element::lblGameOver, 0, 0);
    mirror(Element::lblG, 1, 3);
    mirror(Element::lblGG, 1, 3);
    mirror(Element::status, 1, 4);
    mirror(Element::lblHint, 0, 0);
}

bool MainWindow::fitsLegibly(ElementId id, const QString &caption) const
{
    const BoardLabel *target = label(id);
    return !target || target->fitsLegibly(caption);
}

void MainWindow::elementChanged(ElementId id, const ElementState &state)
{
    BoardLabel *target = label(id);
    if (!target) {
        figure_->update();
        return;
    }
    target->setText(state.caption);
    target->setTextColour(state.colour);
    target->setVisible(state.visible);
    if (id.element == Element::lblWord) {
        // "letter 3 of 5": every slot's description follows the word's length.
        for (int i = 0; i < Board::slotCount; ++i)
            slots_[i]->setAccessibleDescription(
                gibbetry::accessibleDescription(game_.board(), {Element::lblWord, i}));
    } else {
        target->setAccessibleDescription(gibbetry::accessibleDescription(game_.board(), id));
    }
}

void MainWindow::itmOptions_Click()
{
    // The dialog shows the options in force: those last confirmed with DONE in this game, or
    // loaded at its start, with the list in play where a chosen one could not be used.
    OptionsDialog dialog(options_, game_, this);
    dialog.setWindowModality(Qt::ApplicationModal);
    centreOn(dialog, *this);
    dialog.exec();
}

void MainWindow::itmAbout_Click()
{
    AboutBox about(this);
    about.setWindowModality(Qt::ApplicationModal);
    centreOn(about, *this);
    about.exec();
}

void MainWindow::showCentred()
{
    centreOnScreen(*this);
    show();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ApplicationPaletteChange ||
        event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        // Also while the constructor polishes the window, before the board exists.
        colours_ = gibbetry::boardColours(palette());
        for (QObject *child : centralWidget() ? centralWidget()->children() : QObjectList())
            if (auto *label = qobject_cast<BoardLabel *>(child))
                label->recolour();
        if (figure_)
            figure_->update();
    }
    if (event->type() == QEvent::StyleChange && cmdNewGame_)
        fitCaption(*cmdNewGame_, msSansSerif(12)); // the style's button margins differ
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    game_.Form_Unload();
    event->accept();
}

} // namespace gibbetry
