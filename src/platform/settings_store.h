#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace gibbetry {

// The per-user settings store, addressed by section and key under the application's name.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Reads the store afresh, as each load of the options does. Returns what the player must be
    // told (a damaged file kept aside), or nothing.
    virtual std::optional<QString> load() = 0;
    // The key's text as of the last load (or the last save), or defaultValue when the key does not
    // exist. Creates nothing.
    virtual QString read(const QString &section, const QString &key,
                         const QString &defaultValue) = 0;
    virtual void write(const QString &section, const QString &key, const QString &value) = 0;
    // What a commit has to tell the player: why the options were not saved, or, when saved is
    // set, what the save that took place could not keep. A text alone is why nothing was saved.
    struct Report {
        Report(QString told, bool savedAnyway = false) : text(std::move(told)), saved(savedAnyway) {}
        QString text;
        bool saved;
    };
    // Makes the writes so far durable. Returns what the player must be told, or nothing when all
    // is stored or when the store was told not to write and said so once this run already (a
    // settings file read-only to the player).
    virtual std::optional<Report> commit() = 0;
};

} // namespace gibbetry
