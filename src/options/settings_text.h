#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace gibbetry {

// The settings file's text: INI, "[Section]" headers and "key=value" lines. It is kept line by
// line, so that a save changes the keys it sets and leaves every other line as it stood.
class SettingsText {
public:
    // A UTF-8 byte-order mark is skipped. A NUL byte or a line that is no header, key, comment or
    // blank marks the text damaged; such lines are dropped, the rest are kept.
    static SettingsText parse(const QByteArray &bytes);

    bool damaged() const { return damaged_; }
    // The key's value, unquoted, or nothing when the key is not there.
    std::optional<QString> value(const QString &section, const QString &key) const;
    void setValue(const QString &section, const QString &key, const QString &value);
    QByteArray bytes() const;

private:
    struct Line {
        QByteArray text;
        QByteArray section; // the header it follows ("" before the first one)
        QByteArray key;     // empty for a header, a comment or a blank line
    };
    QList<Line> lines_;
    bool damaged_ = false;
};

} // namespace gibbetry
