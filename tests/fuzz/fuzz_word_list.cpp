// libFuzzer: the word-list reader, from raw bytes to entries. It checks properties, not only
// survival: no entry holds a line end; joined back, the entries are the decoded text with line
// ends normalised; at most 50000 entries; the playable marks agree with the playable rule; a line
// that is valid UTF-8 reads as UTF-8 whatever the other lines hold.
#include "game/word_list.h"
#include "fuzz/require.h"

#include <QStringDecoder>

#include <cstdint>
#include <cstdlib>
#include <cstdio>

using namespace gibbetry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ParsedWordList parsed = parseWordList(bytes);
    const WordList &list = parsed.list;
    require(list.count() <= WordList::capacity, "at most 50000 entries");

    QString joined;
    int shortest = 0;
    for (int k = 1; k <= list.count(); ++k) {
        const QStringView entry = list.entry(k);
        require(!entry.contains(u'\r') && !entry.contains(u'\n'), "no line end inside an entry");
        require(list.isPlayableEntry(k) == isPlayable(entry), "playable mark");
        if (list.isPlayableEntry(k) && (shortest == 0 || entry.size() < shortest))
            shortest = int(entry.size());
        if (k > 1)
            joined += u'\n';
        joined += entry;
    }
    for (int limit = 1; limit <= wordSlotCount; ++limit)
        require(list.hasPlayableWithin(limit) == (shortest > 0 && shortest <= limit), "what fits");

    QString text = decodeWordListText(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    if (parsed.overflow) {
        require(list.count() == WordList::capacity, "overflow only past 50000");
        require(text.startsWith(joined) && text.at(joined.size()) == u'\n', "overflow keeps a prefix");
    } else {
        if (text.endsWith(u'\n'))
            text.chop(1);
        require(joined == text, "entries joined give the text back");
    }

    // Line k of the bytes, split as the reader splits them, against entry k.
    qsizetype begin = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    for (int k = 1; k <= list.count() && begin <= bytes.size(); ++k) {
        qsizetype end = begin;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const QByteArray line = bytes.mid(begin, end - begin);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
        const QString decoded = utf8.decode(line);
        require(utf8.hasError() || list.entry(k) == decoded, "a UTF-8 line reads as UTF-8");
        begin = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
    }

    QByteArray cut = bytes;
    if (cutAtLastLineEnd(cut)) {
        const char last = cut.at(cut.size() - 1);
        require(last == '\n' || last == '\r', "a cut ends at a line end");
        require(bytes.startsWith(cut), "a cut keeps the start");
    } else {
        require(cut.isEmpty() && !bytes.contains('\n') && !bytes.contains('\r'), "no line end, nothing kept");
    }
    return 0;
}
