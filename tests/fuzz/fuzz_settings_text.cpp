// libFuzzer: the settings file's text. Parse any bytes, set one key, write, parse again: the key
// reads back as set, every other key as it was, and the text written parses to itself.
// Input: a byte choosing the key, one choosing the section, one choosing the value, then the text.
#include "platform/settings_text.h"
#include "fuzz/require.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace gibbetry;

namespace {

bool isUtf8(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    const QByteArray text(reinterpret_cast<const char *>(data) + 3, qsizetype(size - 3));
    const SettingsText before = SettingsText::parse(text);
    const auto keys = before.keys();

    // One of the game's own keys, or one the text already holds (its repeats, its odd spacing).
    static const char *const own[] = {"optGuessGUI", "comGuessLI", "lstWordSource", "chkHint"};
    QString section = data[1] % 2 ? QStringLiteral("Settings") : QStringLiteral("Other");
    QString key = QLatin1String(own[data[0] % 4]);
    if (data[0] >= 128 && !keys.isEmpty()) {
        const auto &[s, k] = keys[data[0] % keys.size()];
        if (!isUtf8(s) || !isUtf8(k))
            return 0;
        section = QString::fromUtf8(s);
        key = QString::fromUtf8(k);
    }
    const QString value = data[2] % 3 == 0   ? QStringLiteral("True")
                           : data[2] % 3 == 1 ? QStringLiteral("False")
                                              : QString::number(qint8(data[2]));

    SettingsText changed = before;
    changed.setValue(section, key, value);
    const QByteArray written = changed.bytes();
    const SettingsText after = SettingsText::parse(written);
    require(after.damaged() == before.damaged(), "a save neither damages nor mends the text");
    require(after.value(section, key) == value, "the value set is the value read");
    for (const auto &[s, k] : keys) {
        if (s == section.toUtf8() && k == key.toUtf8())
            continue;
        const QString sk = QString::fromUtf8(s), kk = QString::fromUtf8(k);
        if (isUtf8(s) && isUtf8(k))
            require(after.value(sk, kk) == before.value(sk, kk), "no other key changed");
    }
    require(after.bytes() == written, "the text written parses to itself");
    return 0;
}
