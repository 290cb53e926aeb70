#pragma once

#include <QString>
#include <optional>

namespace gibbetry {

// The per-user settings store, addressed by section and key under the application's name.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text of the key, or defaultValue when the key does not exist (creates nothing).
    virtual QString read(const QString &section, const QString &key,
                         const QString &defaultValue) = 0;
    virtual void write(const QString &section, const QString &key, const QString &value) = 0;
    // Makes the writes so far durable. Returns why it failed, or nothing when all is stored.
    virtual std::optional<QString> commit() = 0;
};

} // namespace gibbetry
