#include "platform/qt_settings_store.h"

#include "version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <utility>

namespace gibbetry {

QtSettingsStore::QtSettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::userFilePath()
{
    const QString title = QLatin1String(applicationTitle);
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, title, title).fileName();
}

QString QtSettingsStore::read(const QString &section, const QString &key,
                              const QString &defaultValue)
{
    if (!reader_)
        reader_ = std::make_unique<QSettings>(filePath_, QSettings::NativeFormat);
    const QVariant value = reader_->value(section + QLatin1Char('/') + key);
    if (!value.isValid())
        return defaultValue;
    // A value that is no single text (a list, say) is one the program never wrote.
    return value.typeId() == QMetaType::QString ? value.toString() : QStringLiteral("\x01");
}

void QtSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    pending_.append({section + QLatin1Char('/') + key, value});
}

namespace {

QSettings::Status writeAll(const QString &path, const QList<QPair<QString, QString>> &values)
{
    // A fresh QSettings each time: its status is that of this save alone.
    QSettings settings(path, QSettings::NativeFormat);
    for (const auto &[key, value] : values)
        settings.setValue(key, value);
    settings.sync();
    return settings.status();
}

} // namespace

std::optional<QString> QtSettingsStore::commit()
{
    reader_.reset();
    const QList<QPair<QString, QString>> values = std::exchange(pending_, {});
    QSettings::Status status = writeAll(filePath_, values);
    if (status == QSettings::FormatError) {
        // QSettings refuses to save over a file it cannot parse, so a damaged file would refuse
        // every save: move it aside, for whoever wants to look, and start a new one.
        const QString aside = filePath_ + QStringLiteral(".unreadable");
        QFile::remove(aside);
        if (QFile::rename(filePath_, aside))
            status = writeAll(filePath_, values);
    }
    switch (status) {
    case QSettings::NoError:
        return std::nullopt;
    case QSettings::FormatError:
        return QStringLiteral("the settings file %1 could not be understood, so it was left "
                              "as it is.")
            .arg(QDir::toNativeSeparators(filePath_));
    case QSettings::AccessError:
        break;
    }
    const QFileInfo file(filePath_);
    if (file.isDir())
        return QStringLiteral("%1 is a folder, not a settings file.")
            .arg(QDir::toNativeSeparators(filePath_));
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists() || !folder.isDir())
        return QStringLiteral("the folder %1 could not be created.")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isWritable())
        return QStringLiteral("the folder %1 cannot be written to.")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    return QStringLiteral("the settings file %1 could not be written.")
        .arg(QDir::toNativeSeparators(filePath_));
}

} // namespace gibbetry
