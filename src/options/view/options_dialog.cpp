#include "options/view/options_dialog.h"

#include "options/options.h"
#include "platform/fonts.h"
#include "platform/text_fit.h"
#include "platform/window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>

#include <cmath>

namespace gibbetry {

OptionsDialog::OptionsDialog(Options &options, OptionsHost &host, QWidget *parent)
    : QDialog(parent), options_(options), host_(host)
{
    setWindowTitle(tr("Gibbetry - Options"));
    makeFixedDialog(*this, 360, 471); // 5400 x 7065 twips
    // One dialog per showing: what is in force now is what its close box returns to.
    options_.Form_Show(host_);
    build();
    mirrorForLayoutDirection(*this);
    mirror();
    connectHandlers();
    fitCaptions();
    options_.setChangedElsewhere([this] { mirror(); });
}

OptionsDialog::~OptionsDialog()
{
    // Gone without DONE or the close box: its changes are dropped as the close box drops them,
    // or the game would go on playing by the options it was shown with.
    options_.closeBox();
    options_.setChangedElsewhere(nullptr);
}

void OptionsDialog::fitCaptions()
{
    // The list first: a frame's caption that has to wrap takes the room above the frame's controls.
    placeWordList();
    // Each caption in its font, or as much smaller as the style's metrics ask.
    const QFont frameFont = msSansSerif(12);
    const QFont optionFont = msSansSerif(9.75);
    const std::pair<QWidget *, QFont> captions[] = {
        {fraGuess_, frameFont},   {optGuessGUI_, optionFont}, {optGuessManual_, optionFont},
        {fraWordList_, frameFont}, {fraOther_, frameFont},     {chkHint_, optionFont},
        {chkLength_, optionFont}, {cmdDone_, frameFont}};
    for (const auto &[control, font] : captions)
        fitCaption(*control, font);
}

void OptionsDialog::placeWordList()
{
    // The word list shows no half row at its foot: a box that holds more than a quarter row past
    // its whole rows is fitted to the nearest whole number, short of the frame's lower edge.
    const QRect box = QStyle::visualRect(layoutDirection(), fraWordList_->rect(),
                                         fromTwips(240, 480, 4695, 840));
    lstWordSource_->setGeometry(box);
    lstWordSource_->ensurePolished();
    const int row = std::max(1, lstWordSource_->sizeHintForRow(0));
    int edges = 2 * lstWordSource_->frameWidth();
    // Entries wider than the list (a long translation) bring a scroll bar under the rows.
    if (lstWordSource_->sizeHintForColumn(0) > box.width() - edges -
                                                   lstWordSource_->verticalScrollBar()->sizeHint().width())
        edges += lstWordSource_->horizontalScrollBar()->sizeHint().height();
    if ((box.height() - edges) % row <= row / 4)
        return;
    const int room = fraWordList_->height() - box.top() - 8;
    int rows = std::max(1, int(std::lround(double(box.height() - edges) / row)));
    while (rows > 1 && rows * row + edges > room)
        --rows;
    lstWordSource_->setGeometry(box.left(), box.top(), box.width(), rows * row + edges);
}

void OptionsDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::StyleChange && fraGuess_)
        fitCaptions();
}

void OptionsDialog::build()
{
    // The captions' fonts and the word list's box are set by fitCaptions(), once the style is
    // known. The frames have their own font; controls inside them without a caption take the
    // window's default, which must be set explicitly or they would inherit the frame's.
    const QFont defaultFont = msSansSerif(8);

    fraGuess_ = new QGroupBox(tr("Select the number of wrong guesses allowed"), this);
    fraGuess_->setGeometry(fromTwips(120, 120, 5175, 1815));
    optGuessGUI_ = new QRadioButton(tr("Draw the hangman (allows 12 wrong guesses)"), fraGuess_);
    optGuessGUI_->setGeometry(fromTwips(360, 480, 4575, 375));
    optGuessGUI_->setToolTip(
        tr("Each wrong guess will result in part of the hangman being drawn"));
    optGuessManual_ = new QRadioButton(tr("Make a manual selection"), fraGuess_);
    optGuessManual_->setGeometry(fromTwips(360, 1080, 2655, 375));
    comGuess_ = new QComboBox(fraGuess_);
    comGuess_->setGeometry(fromTwips(3000, 1080, 855, 315));
    comGuess_->setFont(defaultFont);
    // Digits only: drawn left to right in every language (a right-to-left drop-down this narrow
    // puts its number under its arrow in some styles).
    comGuess_->setLayoutDirection(Qt::LeftToRight);
    for (int i = 0; i < OptionsControls::guessItemCount; ++i)
        comGuess_->addItem(OptionsControls::guessItemText(i));

    fraWordList_ = new QGroupBox(tr("Select source for word list"), this);
    fraWordList_->setGeometry(fromTwips(120, 2280, 5175, 1575));
    lstWordSource_ = new QListWidget(fraWordList_);
    lstWordSource_->setFont(defaultFont);
    lstWordSource_->addItems(OptionsControls::wordSourceItems());
    lstWordSource_->setSelectionMode(QAbstractItemView::SingleSelection);

    fraOther_ = new QGroupBox(tr("Other options"), this);
    fraOther_->setGeometry(fromTwips(120, 4200, 5175, 1815));
    chkHint_ = new QCheckBox(tr("Show a hint"), fraOther_);
    chkHint_->setGeometry(fromTwips(360, 480, 4095, 495));
    chkHint_->setToolTip(tr("Supplies you with a hint to help you to solve the word"));
    chkLength_ = new QCheckBox(
        //: Followed by a drop-down list of lengths, 4 to 20 letters.
        tr("Limit the length of the words used to"), fraOther_);
    chkLength_->setGeometry(fromTwips(360, 1080, 3495, 495));
    comLength_ = new QComboBox(fraOther_);
    comLength_->setGeometry(fromTwips(3960, 1200, 855, 315));
    comLength_->setFont(defaultFont);
    comLength_->setLayoutDirection(Qt::LeftToRight);
    for (int i = 0; i < OptionsControls::lengthItemCount; ++i)
        comLength_->addItem(OptionsControls::lengthItemText(i));

    // DONE reacts only when pressed: neither Enter's default nor Escape's cancel button.
    //: Closes the dialog and keeps its choices; capitals as on the rest of the button's kind.
    cmdDone_ = new QPushButton(tr("DONE"), this);
    cmdDone_->setGeometry(fromTwips(1920, 6360, 1455, 495));
    cmdDone_->setAutoDefault(false);
    cmdDone_->setDefault(false);

    // The tab order does not follow the screen: DONE and the bottom frame come before the list.
    QWidget *order[] = {optGuessGUI_, optGuessManual_, comGuess_, cmdDone_,
                        chkHint_,     chkLength_,      comLength_, lstWordSource_};
    for (int i = 0; i + 1 < int(std::size(order)); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void OptionsDialog::connectHandlers()
{
    auto live = [this]() -> OptionsControls & { return options_.live(host_); };
    // Selections by mouse or keyboard; mirror() blocks these signals, so only the player's count.
    connect(optGuessGUI_, &QRadioButton::toggled, this, [this, live](bool selected) {
        if (selected)
            live().setOptGuessGUI(true);
        mirror();
    });
    connect(optGuessManual_, &QRadioButton::toggled, this, [this, live](bool selected) {
        if (selected)
            live().setOptGuessManual(true);
        mirror();
    });
    connect(chkLength_, &QCheckBox::toggled, this, [this, live](bool checked) {
        live().setChkLength(checked ? 1 : 0);
        mirror();
    });
    connect(comGuess_, &QComboBox::currentIndexChanged, this,
            [live](int index) { live().setComGuessIndex(index); });
    connect(comLength_, &QComboBox::currentIndexChanged, this,
            [live](int index) { live().setComLengthIndex(index); });
    // Every change of selection by mouse or keyboard, and a click on the entry already selected.
    connect(lstWordSource_, &QListWidget::currentRowChanged, this,
            [live](int row) { live().setWordSourceIndex(row); });
    connect(lstWordSource_, &QListWidget::itemClicked, this,
            [live](QListWidgetItem *) { live().lstWordSource_Click(); });
    // A single-selection list always shows one entry selected: Ctrl+click on the selected entry
    // would clear it while the option keeps its value.
    connect(lstWordSource_, &QListWidget::itemSelectionChanged, this, [this, live] {
        if (lstWordSource_->selectedItems().isEmpty())
            lstWordSource_->item(live().wordSourceIndex())->setSelected(true);
    });
    connect(cmdDone_, &QPushButton::clicked, this, &OptionsDialog::cmdDone_Click);
}

void OptionsDialog::mirror()
{
    const OptionsControls &c = options_.live(host_);
    const QSignalBlocker blockers[] = {QSignalBlocker(optGuessGUI_), QSignalBlocker(optGuessManual_),
                                       QSignalBlocker(comGuess_),    QSignalBlocker(lstWordSource_),
                                       QSignalBlocker(chkHint_),     QSignalBlocker(chkLength_),
                                       QSignalBlocker(comLength_)};
    // An exclusive pair cannot show "neither" while auto-exclusive.
    optGuessGUI_->setAutoExclusive(false);
    optGuessManual_->setAutoExclusive(false);
    optGuessGUI_->setChecked(c.optGuessGUI());
    optGuessManual_->setChecked(c.optGuessManual());
    optGuessGUI_->setAutoExclusive(true);
    optGuessManual_->setAutoExclusive(true);
    comGuess_->setCurrentIndex(c.comGuessIndex());
    comGuess_->setEnabled(c.comGuessEnabled());
    lstWordSource_->setCurrentRow(c.wordSourceIndex());
    chkHint_->setChecked(c.chkHint() == 1);
    chkHint_->setEnabled(c.chkHintEnabled());
    chkLength_->setChecked(c.chkLength() == 1);
    comLength_->setCurrentIndex(c.comLengthIndex());
    comLength_->setEnabled(c.comLengthEnabled());
}

void OptionsDialog::cmdDone_Click()
{
    hide(); // ends the modal wait once this handler returns
    options_.cmdDone_Click(host_);
}

void OptionsDialog::keyPressEvent(QKeyEvent *event)
{
    // Escape neither closes the dialog nor presses DONE; Enter presses nothing either.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void OptionsDialog::closeEvent(QCloseEvent *event)
{
    // The title-bar close box: the changes made since the dialog was shown are dropped.
    if (isVisible())
        options_.closeBox();
    QDialog::closeEvent(event);
}

} // namespace gibbetry
