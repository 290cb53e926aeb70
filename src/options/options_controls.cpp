#include "options/options_controls.h"

namespace gibbetry {

const QStringList &OptionsControls::wordSourceItems()
{
    static const QStringList items{
        QStringLiteral("Australian English Dictionary (Tolvarin) - 45,000 words"),
        QStringLiteral("Ogden's Basic English Words - 850 words"),
        QStringLiteral("SmarterKid 1 - 5,000 words"),
        QStringLiteral("SmarterKid 2 - 3,000 words"),
        QStringLiteral("SmarterKid 3 - 8,000 words"),
        QStringLiteral("SmarterKid 4 - 4,000 words"),
        QStringLiteral("SmarterKid 5 - 34,000 words"),
    };
    return items;
}

QString OptionsControls::guessItemText(int index)
{
    return index >= 0 && index < guessItemCount ? QString::number(index + 1) : QString();
}

QString OptionsControls::lengthItemText(int index)
{
    return index >= 0 && index < lengthItemCount ? QString::number(index + 4) : QString();
}

QString OptionsControls::wordSourceText() const
{
    return wordSourceIndex_ >= 0 && wordSourceIndex_ < wordSourceCount
               ? wordSourceItems().at(wordSourceIndex_)
               : QString();
}

void OptionsControls::setOptGuessGUI(bool selected)
{
    optGuessGUI_ = selected;
    if (selected) {
        optGuessManual_ = false;
        optGuessGUI_Click();
    }
}

void OptionsControls::setOptGuessManual(bool selected)
{
    optGuessManual_ = selected;
    if (selected) {
        optGuessGUI_ = false;
        optGuessManual_Click();
    }
}

void OptionsControls::setChkLength(int state)
{
    if (state == chkLength_)
        return;
    chkLength_ = state;
    chkLength_Click();
}

void OptionsControls::setWordSourceIndex(int index)
{
    wordSourceIndex_ = index;
    lstWordSource_Click();
}

} // namespace gibbetry
