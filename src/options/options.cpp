#include "options/options.h"

#include <limits>
#include <utility>

namespace gibbetry {

const QString Options::section = QStringLiteral("Settings");

const QStringList &Options::keys()
{
    static const QStringList names{
        QStringLiteral("optGuessGUI"),   QStringLiteral("optGuessManual"),
        QStringLiteral("comGuessE"),     QStringLiteral("comGuessLI"),
        QStringLiteral("lstWordSource"), QStringLiteral("chkHint"),
        QStringLiteral("chkLength"),     QStringLiteral("comLengthE"),
        QStringLiteral("comLengthLI"),
    };
    return names;
}

std::optional<bool> parseTruth(const QString &text)
{
    if (text == QLatin1String("True"))
        return true;
    if (text == QLatin1String("False"))
        return false;
    return std::nullopt;
}

std::optional<int> parseInteger(const QString &text)
{
    // Plain decimal with an optional leading minus, as the program writes it.
    const bool negative = text.startsWith(QLatin1Char('-'));
    const qsizetype first = negative ? 1 : 0;
    if (text.size() == first || text.size() - first > 6)
        return std::nullopt;
    int value = 0;
    for (qsizetype i = first; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return value;
}

QString truthText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

Options::Options(SettingsStore &store, MessageBox &messages) : store_(store), messages_(messages) {}

OptionsControls &Options::live(OptionsHost &host)
{
    if (!controls_)
        Form_Load(host);
    return *controls_;
}

void Options::closeBox()
{
    if (controls_ && shownWith_)
        controls_ = std::exchange(shownWith_, std::nullopt);
}

void Options::Form_Load(OptionsHost &host)
{
    controls_.emplace();
    LoadSettings(*controls_);
    ShowOptionsStatus(host);
    controls_->setChkHintEnabled(false);
    controls_->clearWordSourceChanged();
}

namespace {

// Reads one key; a text the program never writes falls back, silently, to the key's default.
class KeyReader {
public:
    explicit KeyReader(SettingsStore &store) : store_(store) {}

    bool truth(const QString &key, bool fallback)
    {
        return parseTruth(text(key, truthText(fallback))).value_or(fallback);
    }

    int inRange(const QString &key, int fallback, int lowest, int highest)
    {
        const std::optional<int> value = parseInteger(text(key, QString::number(fallback)));
        return value && *value >= lowest && *value <= highest ? *value : fallback;
    }

private:
    QString text(const QString &key, const QString &fallback)
    {
        return store_.read(Options::section, key, fallback);
    }
    SettingsStore &store_;
};

} // namespace

void Options::LoadSettings(OptionsControls &controls)
{
    if (const std::optional<QString> notice = store_.load())
        messages_.show(MessageBox::Icon::Warning, *notice);
    const QStringList &key = keys();
    KeyReader reader(store_);
    controls.setOptGuessGUI(reader.truth(key[0], true));
    controls.setOptGuessManual(reader.truth(key[1], false));
    // A pair the program never writes, neither selected, would count misses in manual mode with
    // the counters hidden: take drawing mode instead.
    if (!controls.optGuessGUI() && !controls.optGuessManual())
        controls.setOptGuessGUI(true);
    controls.setComGuessEnabled(reader.truth(key[2], false));
    controls.setComGuessIndex(reader.inRange(key[3], 7, 0, OptionsControls::guessItemCount - 1));
    controls.setWordSourceIndex(
        reader.inRange(key[4], 1, 0, OptionsControls::wordSourceCount - 1));
    controls.setChkHint(reader.inRange(key[5], 0, 0, 1));
    controls.setChkLength(reader.inRange(key[6], 0, 0, 1));
    controls.setComLengthEnabled(reader.truth(key[7], false));
    controls.setComLengthIndex(reader.inRange(key[8], 4, 0, OptionsControls::lengthItemCount - 1));
}

void Options::SaveSettings(const OptionsControls &controls)
{
    const QStringList &key = keys();
    const QString values[] = {
        truthText(controls.optGuessGUI()),
        truthText(controls.optGuessManual()),
        truthText(controls.comGuessEnabled()),
        QString::number(controls.comGuessIndex()),
        QString::number(controls.wordSourceIndex()),
        QString::number(controls.chkHint()),
        QString::number(controls.chkLength()),
        truthText(controls.comLengthEnabled()),
        QString::number(controls.comLengthIndex()),
    };
    for (int i = 0; i < key.size(); ++i)
        store_.write(section, key[i], values[i]);
    commitSettings();
}

void Options::commitSettings()
{
    const std::optional<SettingsStore::Report> report = store_.commit();
    if (!report)
        return;
    messages_.show(MessageBox::Icon::Warning,
                   report->saved ? report->text
                                 : tr("Your options could not be saved: %1\n\n"
                                      "They stay in force until Gibbetry is closed.")
                                       .arg(report->text));
}

void Options::cmdDone_Click(OptionsHost &host)
{
    OptionsControls &controls = live(host);
    shownWith_.reset();
    inDone_ = true;
    ShowOptionsStatus(host);
    if (controls.wordSourceChanged())
        host.ReadWordSource();
    controls.clearWordSourceChanged();
    host.cmdNewGame_Click();
    inDone_ = false;
    SaveSettings(controls);
}

void Options::keepLoadedWordSource(OptionsHost &host)
{
    const int loaded = host.loadedWordSource();
    if (loaded < 0)
        return;
    OptionsControls &controls = live(host);
    OptionsControls &current = inForce();
    if (current.wordSourceIndex() == loaded)
        return;
    // The list in play is in force whatever the open dialog's close box does. The dialog's own
    // selection follows it unless the player has chosen a list there, which DONE will read.
    if (&current == &controls || !controls.wordSourceChanged()) {
        controls.setWordSourceIndex(loaded);
        controls.clearWordSourceChanged();
        if (changedElsewhere_)
            changedElsewhere_();
    }
    current.setWordSourceIndex(loaded);
    current.clearWordSourceChanged();
    ShowOptionsStatus(host);
    // Only the list's key: the dialog may be open on changes not confirmed with DONE.
    if (!inDone_) {
        store_.write(section, keys()[4], QString::number(loaded));
        commitSettings();
    }
}

void Options::ShowOptionsStatus(OptionsHost &host)
{
    // Never a change the open dialog has not had confirmed with DONE.
    const OptionsControls &controls = inForce();
    host.setStatusCaption(2, controls.wordSourceText());
    //: The status line; %n is the chosen length, 4 to 20.
    host.setStatusCaption(3, controls.chkLength() == 1
                                 ? tr("Word length limited to %n characters", nullptr,
                                      controls.comLengthText().toInt())
                                 : tr("No restriction on word length"));
    host.setStatusCaption(4, tr("Hint is OFF"));
}

} // namespace gibbetry
