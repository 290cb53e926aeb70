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

// Windows-1252 through Qt's converter (ICU's table: the five bytes it leaves undefined keep
// their C1 code points). A Qt built without it reads Latin-1, which differs only at 0x80-0x9F,
// where no letter of a playable word lies.
QStringDecoder windows1252Decoder()
{
    QStringDecoder decoder("windows-1252");
    return decoder.isValid() ? std::move(decoder) : QStringDecoder(QStringDecoder::Latin1);
}

// A file that is not UTF-8 throughout is read a line at a time: a line that is valid UTF-8 is
// read as UTF-8, any other as Windows-1252, so a stray byte costs at most its own line, and a
// Windows-1252 file reads whole. Line ends are the same bytes in both and never part of a UTF-8
// sequence, so they split the bytes safely and are kept as they are.
QString decodeLineByLine(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3); // the file's byte-order mark, as in a whole UTF-8 read
    // Stateless: a sequence cut short by the line's end is an error, not a wait for more.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                  QStringDecoder::Flag::Stateless);
    QStringDecoder legacy = windows1252Decoder();
    QString text;
    text.reserve(bytes.size());
    qsizetype begin = 0;
    while (begin < bytes.size()) {
        qsizetype end = begin;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const QByteArrayView line = bytes.sliced(begin, end - begin);
        utf8.resetState();
        const QString decoded = utf8.decode(line);
        text += utf8.hasError() ? legacy.decode(line) : decoded;
        if (end < bytes.size())
            text += QLatin1Char(bytes[end++]);
        begin = end;
    }
    return text;
}

} // namespace

QString decodeWordListText(const QByteArray &bytes)
{
    // Drops a leading byte-order mark; a sequence cut short by the end of the file is an error.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeLineByLine(bytes);
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
