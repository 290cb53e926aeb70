#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace gibbetry {

// The settings file's text: INI, "[Section]" headers and "key=value" lines. It is kept line by
// line, each with its own line end (CR LF, CR or LF) and a byte-order mark if there was one, so
// that a save changes the keys it sets and leaves every other byte as it stood.
class SettingsText {
public:
    // A NUL byte, a byte-order mark past the start, or a line that is no header, key, comment or
    // blank marks the text damaged; such lines hold no key and are kept as they stand.
    static SettingsText parse(const QByteArray &bytes);

    bool damaged() const { return damaged_; }
    // The key's value, unquoted and without a note after it ("# ..." or "; ..."), or nothing
    // when the key is not there. A key given more than once (in one section or in two of the same name) has its
    // last value.
    std::optional<QString> value(const QString &section, const QString &key) const;
    // Sets the key's last line, keeping a note after its value, and drops its repeats; a new
    // key goes after the section's last line, a new section at the end.
    void setValue(const QString &section, const QString &key, const QString &value);
    // Every (section, key) pair, once each, in the order of their first line.
    QList<std::pair<QByteArray, QByteArray>> keys() const;
    QByteArray bytes() const;

private:
    struct Line {
        QByteArray text;    // without its line end
        QByteArray end;     // "\r\n", "\r", "\n", or "" for a last line without one
        QByteArray section; // the header it follows ("" before the first one)
        QByteArray key;     // empty for a header, a comment or a blank line
    };
    QByteArray newLineEnd() const; // what lines the program adds end with: the file's first end
    QList<Line> lines_;
    bool byteOrderMark_ = false;
    bool damaged_ = false;
};

} // namespace gibbetry
