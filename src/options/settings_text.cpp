#include "options/settings_text.h"

namespace gibbetry {

namespace {

bool isHeader(const QByteArray &trimmed)
{
    return trimmed.size() >= 2 && trimmed.startsWith('[') && trimmed.endsWith(']');
}

bool isCommentOrBlank(const QByteArray &trimmed)
{
    return trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#');
}

} // namespace

SettingsText SettingsText::parse(const QByteArray &bytes)
{
    SettingsText text;
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    if (body.endsWith('\n'))
        body.chop(1);
    if (body.isEmpty())
        return text;
    QByteArray section;
    for (QByteArray line : body.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray trimmed = line.trimmed();
        const qsizetype equals = trimmed.indexOf('=');
        if (line.contains('\0')) {
            text.damaged_ = true;
        } else if (isCommentOrBlank(trimmed)) {
            text.lines_.append({line, section, {}});
        } else if (isHeader(trimmed)) {
            section = trimmed.mid(1, trimmed.size() - 2).trimmed();
            text.lines_.append({line, section, {}});
        } else if (equals > 0) {
            text.lines_.append({line, section, trimmed.left(equals).trimmed()});
        } else {
            text.damaged_ = true;
        }
    }
    return text;
}

std::optional<QString> SettingsText::value(const QString &section, const QString &key) const
{
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    // A key given twice takes its last value.
    for (auto line = lines_.crbegin(); line != lines_.crend(); ++line) {
        if (line->section != s || line->key != k)
            continue;
        QByteArray value = line->text.mid(line->text.indexOf('=') + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        return QString::fromUtf8(value);
    }
    return std::nullopt;
}

void SettingsText::setValue(const QString &section, const QString &key, const QString &value)
{
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    const QByteArray text = k + '=' + value.toUtf8();
    qsizetype insertAt = -1; // after the section's last line that is not blank
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (lines_[i].section != s)
            continue;
        if (lines_[i].key == k) {
            lines_[i].text = text;
            return;
        }
        if (!lines_[i].text.trimmed().isEmpty())
            insertAt = i + 1;
    }
    if (insertAt < 0) {
        if (!lines_.isEmpty() && !lines_.constLast().text.trimmed().isEmpty())
            lines_.append({{}, lines_.constLast().section, {}});
        lines_.append({'[' + s + ']', s, {}});
        insertAt = lines_.size();
    }
    lines_.insert(insertAt, {text, s, k});
}

QByteArray SettingsText::bytes() const
{
    QByteArray out;
    for (const Line &line : lines_)
        out += line.text + '\n';
    return out;
}

} // namespace gibbetry
