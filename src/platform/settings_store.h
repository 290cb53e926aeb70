#pragma once

#include <QString>
#include <optional>

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
    // Makes the writes so far durable. Returns why it failed, or nothing when all is stored or
    // when the store was told not to write and said so once this run already (a settings file
    // its owner made read-only).
    virtual std::optional<QString> commit() = 0;
};

} // namespace gibbetry
