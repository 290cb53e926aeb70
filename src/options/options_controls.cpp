#include "options/options_controls.h"

#include "options/word_sources.h"

#include <QCoreApplication>

namespace gibbetry {

QStringList OptionsControls::wordSourceItems()
{
    QStringList items;
    for (const WordSource &source : wordSources)
        items << QCoreApplication::translate(wordSourceContext, source.label);
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
    const WordSource *source = wordSource(wordSourceIndex_);
    return source ? QCoreApplication::translate(wordSourceContext, source->label) : QString();
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
