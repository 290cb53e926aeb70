#include "game/word_list.h"

#include <QStringDecoder>

#include <algorithm>

namespace gibbetry {

bool isPlayable(QStringView word)
{
    if (word.isEmpty() || word.size() > wordSlotCount)
        return false;
    return std::all_of(word.begin(), word.end(), [](QChar c) {
        const char16_t u = c.unicode();
        if (u < 0x80) // the common case, without Unicode's tables
            return char16_t((u | 0x20) - u'a') < 26;
        const char16_t upper = c.toUpper().unicode(); // "ſ" upper-cases to "S"
        return upper >= u'A' && upper <= u'Z';
    });
}

QStringView WordList::entry(int number) const
{
    Q_ASSERT(number >= 1 && number <= count());
    const Span &span = spans_[number - 1];
    return QStringView(text_).mid(span.begin, span.length);
}

namespace {

// Windows-1252 at 0x80-0x9F; the five bytes it leaves undefined keep their C1 code points.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = b >= 0x80 && b < 0xA0 ? cp1252High[b - 0x80] : char16_t(b);
    }
    return text;
}

} // namespace

QString decodeWordListText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8); // drops a leading byte-order mark
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

struct WordListParser {
    static ParsedWordList parse(const QByteArray &bytes)
    {
        ParsedWordList result;
        WordList &list = result.list;
        list.text_ = decodeWordListText(bytes);
        const QChar *const data = list.text_.constData();
        const qsizetype size = list.text_.size();
        list.spans_.reserve(std::min<qsizetype>(WordList::capacity, size / 4 + 1));

        int shortest = wordSlotCount + 1;
        qsizetype begin = 0;
        while (begin < size) {
            if (list.count() == WordList::capacity) {
                result.overflow = true;
                break;
            }
            qsizetype end = begin;
            while (end < size && data[end] != u'\r' && data[end] != u'\n')
                ++end;
            const QStringView line(data + begin, end - begin);
            const bool playable = isPlayable(line);
            if (playable)
                shortest = std::min(shortest, int(line.size()));
            list.spans_.push_back({std::int32_t(begin), std::int32_t(line.size()), playable});
            begin = end;
            if (begin < size && data[begin++] == u'\r' && begin < size && data[begin] == u'\n')
                ++begin; // CR LF ends one line, as do a lone CR and a lone LF
        }
        list.shortestPlayable_ = shortest <= wordSlotCount ? shortest : 0;
        return result;
    }
};

ParsedWordList parseWordList(const QByteArray &bytes)
{
    return WordListParser::parse(bytes);
}

bool cutAtLastLineEnd(QByteArray &bytes)
{
    const qsizetype lf = bytes.lastIndexOf('\n');
    const qsizetype cr = bytes.lastIndexOf('\r');
    const qsizetype last = std::max(lf, cr);
    if (last < 0) {
        bytes.clear();
        return false;
    }
    bytes.truncate(last + 1);
    return true;
}

} // namespace gibbetry
