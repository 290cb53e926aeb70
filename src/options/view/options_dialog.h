#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace gibbetry {

class Options;
class OptionsHost;

// frmOptions' window: a thin view over the live options. Every change the player makes goes to
// the options' handlers and the window then shows what they hold. DONE hides the window and
// applies; the title-bar close box drops the changes made since the window was shown.
class OptionsDialog final : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(Options &options, OptionsHost &host, QWidget *parent = nullptr);
    ~OptionsDialog() override;

    QGroupBox *fraGuess() const { return fraGuess_; }
    QRadioButton *optGuessGUI() const { return optGuessGUI_; }
    QRadioButton *optGuessManual() const { return optGuessManual_; }
    QComboBox *comGuess() const { return comGuess_; }
    QGroupBox *fraWordList() const { return fraWordList_; }
    QListWidget *lstWordSource() const { return lstWordSource_; }
    QGroupBox *fraOther() const { return fraOther_; }
    QCheckBox *chkHint() const { return chkHint_; }
    QCheckBox *chkLength() const { return chkLength_; }
    QComboBox *comLength() const { return comLength_; }
    QPushButton *cmdDone() const { return cmdDone_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void connectHandlers();
    // Draws every caption in its font, or in a smaller size of it where the style leaves less room.
    void fitCaptions();
    // Places the word list in whole rows of its font.
    void placeWordList();
    // Shows the live options in the controls.
    void mirror();
    void cmdDone_Click();

    Options &options_;
    OptionsHost &host_;
    QGroupBox *fraGuess_ = nullptr;
    QRadioButton *optGuessGUI_ = nullptr;
    QRadioButton *optGuessManual_ = nullptr;
    QComboBox *comGuess_ = nullptr;
    QGroupBox *fraWordList_ = nullptr;
    QListWidget *lstWordSource_ = nullptr;
    QGroupBox *fraOther_ = nullptr;
    QCheckBox *chkHint_ = nullptr;
    QCheckBox *chkLength_ = nullptr;
    QComboBox *comLength_ = nullptr;
    QPushButton *cmdDone_ = nullptr;
};

} // namespace gibbetry
