#pragma once

#include "options/options_controls.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"

#include <QCoreApplication>

#include <functional>
#include <optional>

namespace gibbetry {

// What the options dialog calls on the main window.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    // field is 2, 3 or 4: the status panels that show the options.
    virtual void setStatusCaption(int field, const QString &caption) = 0;
    // Loads the list of the selected word source, now or later; when it cannot be used, the host
    // calls Options::keepLoadedWordSource.
    virtual void ReadWordSource() = 0;
    virtual void cmdNewGame_Click() = 0;
    // The source whose list is in play, or -1 when none was ever loaded.
    virtual int loadedWordSource() const = 0;
};

// The options dialog without its window: loaded (hidden or shown) or unloaded, its controls, and
// the store they are loaded from and saved to.
class Options {
    Q_DECLARE_TR_FUNCTIONS(Options)
public:
    static const QString section;
    // The nine keys, in the order they are read and written.
    static const QStringList &keys();

    Options(SettingsStore &store, MessageBox &messages);

    bool isLoaded() const { return controls_.has_value(); }
    // The live controls; an unloaded dialog is loaded first, from the store.
    OptionsControls &live(OptionsHost &host);
    // The options the game plays by: the live controls, except while the dialog is shown, when
    // they are those it was shown with and the player's changes wait for DONE.
    const OptionsControls &inForce(OptionsHost &host)
    {
        live(host);
        return inForce();
    }

    // The load sequence: stored values into the controls, the status line, hint disabled.
    void Form_Load(OptionsHost &host);
    // The main window's unload: the controls are dropped unsaved.
    void unload()
    {
        controls_.reset();
        shownWith_.reset();
    }
    // The dialog is shown: the options in force now are what its close box returns to.
    void Form_Show(OptionsHost &host) { shownWith_ = live(host); }
    // The title-bar close box: the changes made since the dialog was shown are dropped, unsaved
    // and unapplied. The options in force stay those this game last confirmed, not the file's:
    // another game may have saved others meanwhile, or this one may have failed to save, and the
    // list in play and the status line would then name different lists.
    void closeBox();
    // Called when the live controls change other than through the dialog's own controls, so
    // that an open dialog shows them; nullptr for none.
    void setChangedElsewhere(std::function<void()> changed)
    {
        changedElsewhere_ = std::move(changed);
    }
    void ShowOptionsStatus(OptionsHost &host);
    // DONE, once the view has hidden the dialog: apply, start a new game, save.
    void cmdDone_Click(OptionsHost &host);
    // The selected list could not be used: the one still loaded stays selected, shown and, after
    // DONE has saved, stored.
    void keepLoadedWordSource(OptionsHost &host);

private:
    void LoadSettings(OptionsControls &controls);
    void SaveSettings(const OptionsControls &controls);
    void commitSettings(); // tells the player when the store could not save
    OptionsControls &inForce() { return shownWith_ ? *shownWith_ : *controls_; }

    SettingsStore &store_;
    MessageBox &messages_;
    std::optional<OptionsControls> controls_;
    std::optional<OptionsControls> shownWith_; // in force when the dialog was shown
    bool inDone_ = false; // DONE saves at its end
    std::function<void()> changedElsewhere_;
};

// Store texts, strictly as the program writes them.
std::optional<bool> parseTruth(const QString &text);
std::optional<int> parseInteger(const QString &text); // a 16-bit signed integer
QString truthText(bool value);

} // namespace gibbetry
