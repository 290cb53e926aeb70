#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace gibbetry {

// A word can be played when every character has a tile: one to 23 characters, each of which
// upper-cases (one character at a time, no locale) to A-Z.
inline constexpr int wordSlotCount = 23;
bool isPlayable(QStringView word);

// The loaded word list: one decoded text and the span of each entry in it. Entries are numbered
// from 1 and hold their line exactly as written, without the line end.
class WordList {
public:
    static constexpr int capacity = 50000;

    int count() const { return static_cast<int>(spans_.size()); }
    bool isEmpty() const { return spans_.empty(); }
    // number: 1 to count().
    QStringView entry(int number) const;
    bool isPlayableEntry(int number) const
    {
        Q_ASSERT(number >= 1 && number <= count());
        return spans_[number - 1].playable;
    }
    // Whether some entry can be played within a length limit (wordSlotCount: no limit).
    bool hasPlayableWithin(int maxLength) const
    {
        return shortestPlayable_ > 0 && shortestPlayable_ <= maxLength;
    }

private:
    friend struct WordListParser;
    struct Span {
        std::int32_t begin;
        std::int32_t length : 31;
        bool playable : 1;
    };
    QString text_;
    std::vector<Span> spans_;
    int shortestPlayable_ = 0; // 0: no entry can be played
};

struct ParsedWordList {
    WordList list;
    bool overflow = false; // the text held more than WordList::capacity lines
};

// UTF-8 when the bytes are valid UTF-8 (a byte-order mark is dropped); otherwise each line on its
// own: UTF-8 when it is valid UTF-8, Windows-1252 when not.
QString decodeWordListText(const QByteArray &bytes);
// Splits decoded text into entries: CR LF, a lone CR and a lone LF each end one line; a last line
// without an end is an entry, and a final line end adds no empty entry. Keeps the first
// WordList::capacity lines.
ParsedWordList parseWordList(const QByteArray &bytes);
// Drops what follows the last line end, for a file cut at the size limit: a line is kept whole
// or not at all. Returns false when no line end was found.
bool cutAtLastLineEnd(QByteArray &bytes);

} // namespace gibbetry
