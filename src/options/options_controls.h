#pragma once

#include "options/word_sources.h"

#include <QString>
#include <QStringList>

namespace gibbetry {

// The live state of the options dialog's controls: the only copy of the player's options while
// the program runs. Setting a selection or a check state raises the same reaction as the
// player's click would, so a load from the store and a click behave alike.
class OptionsControls {
public:
    static constexpr int guessItemCount = 15;   // "1" to "15"
    static constexpr int lengthItemCount = 17;  // "4" to "20"
    static constexpr int wordSourceCount = gibbetry::wordSourceCount;
    static QStringList wordSourceItems(); // the Options list's entries, as shown
    static QString guessItemText(int index);    // "" for no selection
    static QString lengthItemText(int index);

    bool optGuessGUI() const { return optGuessGUI_; }
    bool optGuessManual() const { return optGuessManual_; }
    bool comGuessEnabled() const { return comGuessEnabled_; }
    int comGuessIndex() const { return comGuessIndex_; }
    QString comGuessText() const { return guessItemText(comGuessIndex_); }
    int wordSourceIndex() const { return wordSourceIndex_; }
    QString wordSourceText() const;
    int chkHint() const { return chkHint_; }
    bool chkHintEnabled() const { return chkHintEnabled_; }
    int chkLength() const { return chkLength_; }
    bool comLengthEnabled() const { return comLengthEnabled_; }
    int comLengthIndex() const { return comLengthIndex_; }
    QString comLengthText() const { return lengthItemText(comLengthIndex_); }
    bool wordSourceChanged() const { return wordSourceChanged_; }

    // Selecting an option button deselects the other and runs its click handler; assigning false
    // only deselects it.
    void setOptGuessGUI(bool selected);
    void setOptGuessManual(bool selected);
    // A change of check state runs chkLength_Click.
    void setChkLength(int state);
    void setChkHint(int state) { chkHint_ = state; }
    // Any selection of a source, even of the one already selected, counts as a click on the list.
    void setWordSourceIndex(int index);
    void setComGuessIndex(int index) { comGuessIndex_ = index; }
    void setComLengthIndex(int index) { comLengthIndex_ = index; }
    void setComGuessEnabled(bool enabled) { comGuessEnabled_ = enabled; }
    void setComLengthEnabled(bool enabled) { comLengthEnabled_ = enabled; }
    void setChkHintEnabled(bool enabled) { chkHintEnabled_ = enabled; }
    void clearWordSourceChanged() { wordSourceChanged_ = false; }

    // The dialog's click handlers.
    void optGuessGUI_Click() { comGuessEnabled_ = optGuessManual_; }
    void optGuessManual_Click() { comGuessEnabled_ = optGuessManual_; }
    void chkLength_Click() { comLengthEnabled_ = chkLength_ == 1; }
    void lstWordSource_Click() { wordSourceChanged_ = true; }

private:
    // As the dialog is created, before the store fills it: nothing selected, all enabled.
    bool optGuessGUI_ = false;
    bool optGuessManual_ = false;
    bool comGuessEnabled_ = true;
    int comGuessIndex_ = -1;
    int wordSourceIndex_ = -1;
    int chkHint_ = 0;
    bool chkHintEnabled_ = true;
    int chkLength_ = 0;
    bool comLengthEnabled_ = true;
    int comLengthIndex_ = -1;
    bool wordSourceChanged_ = false;
};

} // namespace gibbetry
