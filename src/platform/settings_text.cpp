#include "platform/settings_text.h"

namespace gibbetry {

namespace {

const QByteArray byteOrderMark = "\xEF\xBB\xBF";

bool isHeader(const QByteArray &trimmed)
{
    return trimmed.size() >= 2 && trimmed.startsWith('[') && trimmed.endsWith(']');
}

bool isCommentOrBlank(const QByteArray &trimmed)
{
    return trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#');
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

// Where a note after a value begins (at the blanks before it), or -1: the first "#" or ";"
// outside double quotes, with or without a blank before it. None of the game's values holds
// either, so "lstWordSource=3 # kids" and "comGuessLI=4;note" read as 3 and 4.
qsizetype commentStart(const QByteArray &afterEquals)
{
    qsizetype i = 0;
    while (i < afterEquals.size() && isSpace(afterEquals[i]))
        ++i;
    if (i < afterEquals.size() && afterEquals[i] == '"') {
        const qsizetype close = afterEquals.indexOf('"', i + 1);
        if (close > 0)
            i = close + 1;
    }
    for (; i < afterEquals.size(); ++i) {
        if (afterEquals[i] != ';' && afterEquals[i] != '#')
            continue;
        qsizetype start = i;
        while (start > 0 && isSpace(afterEquals[start - 1]))
            --start;
        return start;
    }
    return -1;
}

} // namespace

SettingsText SettingsText::parse(const QByteArray &bytes)
{
    SettingsText text;
    text.byteOrderMark_ = bytes.startsWith(byteOrderMark);
    const qsizetype size = bytes.size();
    QByteArray section;
    for (qsizetype begin = text.byteOrderMark_ ? byteOrderMark.size() : 0; begin < size;) {
        qsizetype end = begin;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const QByteArray line = bytes.mid(begin, end - begin);
        qsizetype next = end;
        if (next < size && bytes[next++] == '\r' && next < size && bytes[next] == '\n')
            ++next;
        const QByteArray lineEnd = bytes.mid(end, next - end);
        begin = next;

        const QByteArray trimmed = line.trimmed();
        const qsizetype equals = trimmed.indexOf('=');
        // A byte-order mark within the text is no file's start: files were joined.
        if (line.contains('\0') || line.startsWith(byteOrderMark)) {
            text.damaged_ = true;
            text.lines_.append({line, lineEnd, section, {}});
        } else if (isCommentOrBlank(trimmed)) {
            text.lines_.append({line, lineEnd, section, {}});
        } else if (isHeader(trimmed)) {
            section = trimmed.mid(1, trimmed.size() - 2).trimmed();
            text.lines_.append({line, lineEnd, section, {}});
        } else if (equals > 0) {
            text.lines_.append({line, lineEnd, section, trimmed.left(equals).trimmed()});
        } else {
            text.damaged_ = true;
            text.lines_.append({line, lineEnd, section, {}});
        }
    }
    return text;
}

std::optional<QString> SettingsText::value(const QString &section, const QString &key) const
{
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    for (auto line = lines_.crbegin(); line != lines_.crend(); ++line) {
        if (line->section != s || line->key != k)
            continue;
        QByteArray value = line->text.mid(line->text.indexOf('=') + 1);
        if (const qsizetype comment = commentStart(value); comment >= 0)
            value.truncate(comment);
        value = value.trimmed();
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
    QByteArray text = k + '=' + value.toUtf8();
    qsizetype last = -1;     // the key's last line
    qsizetype insertAt = -1; // after the section's last line that is not blank
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (lines_[i].section != s)
            continue;
        if (lines_[i].key == k)
            last = i;
        if (!lines_[i].text.trimmed().isEmpty())
            insertAt = i + 1;
    }
    if (last >= 0) {
        const QByteArray old = lines_[last].text.mid(lines_[last].text.indexOf('=') + 1);
        if (const qsizetype comment = commentStart(old); comment >= 0)
            text += old.mid(comment);
        lines_[last].text = text;
        for (qsizetype i = last - 1; i >= 0; --i) {
            if (lines_[i].section != s || lines_[i].key != k)
                continue;
            // A first line dropped would make a byte-order mark on the next one the file's own,
            // mending a text that was joined from two files: it stays, blank.
            if (i == 0 && lines_.size() > 1 && lines_[1].text.startsWith(byteOrderMark))
                lines_[0] = {{}, lines_[0].end, lines_[0].section, {}};
            else
                lines_.removeAt(i);
        }
        return;
    }
    const QByteArray end = newLineEnd();
    if (insertAt < 0) {
        if (!lines_.isEmpty() && !lines_.constLast().text.trimmed().isEmpty())
            lines_.append({{}, end, lines_.constLast().section, {}});
        lines_.append({'[' + s + ']', end, s, {}});
        insertAt = lines_.size();
    }
    lines_.insert(insertAt, {text, end, s, k});
}

QList<std::pair<QByteArray, QByteArray>> SettingsText::keys() const
{
    QList<std::pair<QByteArray, QByteArray>> out;
    for (const Line &line : lines_) {
        if (!line.key.isEmpty() && !out.contains(std::pair(line.section, line.key)))
            out.append({line.section, line.key});
    }
    return out;
}

QByteArray SettingsText::newLineEnd() const
{
    return lines_.isEmpty() || lines_.constFirst().end.isEmpty() ? QByteArray("\n")
                                                                   : lines_.constFirst().end;
}

QByteArray SettingsText::bytes() const
{
    QByteArray out = byteOrderMark_ ? byteOrderMark : QByteArray();
    const QByteArray end = newLineEnd();
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const Line &line = lines_[i];
        // Only the last line may go without an end, as it stood.
        out += line.text + (line.end.isEmpty() && i + 1 < lines_.size() ? end : line.end);
    }
    return out;
}

} // namespace gibbetry
