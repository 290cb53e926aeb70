#pragma once

#include "platform/settings_store.h"

#include <QList>
#include <QPair>

#include <memory>

class QSettings;

namespace gibbetry {

// The store as a QSettings file in the native format (INI on Linux). Writes wait for commit(),
// which replaces the file whole, so a failed save never leaves it half-written.
class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(QString filePath);
    ~QtSettingsStore() override;
    // $XDG_CONFIG_HOME/Gibbetry/Gibbetry.conf, ~/.config/Gibbetry/Gibbetry.conf by default.
    static QString userFilePath();

    QString read(const QString &section, const QString &key, const QString &defaultValue) override;
    void write(const QString &section, const QString &key, const QString &value) override;
    std::optional<QString> commit() override;

    const QString &filePath() const { return filePath_; }

private:
    QString filePath_;
    QList<QPair<QString, QString>> pending_;
    // One reader for the nine reads of a load; dropped at a save, so the next load reads anew.
    std::unique_ptr<QSettings> reader_;
};

} // namespace gibbetry
