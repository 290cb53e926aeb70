// libFuzzer: loading the options from a store holding any texts under the nine keys. Every
// loaded option must lie in its control's range, and what DONE saves must load back the same.
// The input is the nine texts separated by NUL bytes; a missing one is a missing key.
#include "fakes.h"
#include "fuzz/require.h"
#include "options/options.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

void checkRanges(const OptionsControls &c)
{
    require(c.optGuessGUI() != c.optGuessManual(), "exactly one option button");
    require(c.comGuessIndex() >= 0 && c.comGuessIndex() < OptionsControls::guessItemCount,
            "comGuess selection");
    require(c.comLengthIndex() >= 0 && c.comLengthIndex() < OptionsControls::lengthItemCount,
            "comLength selection");
    require(c.wordSourceIndex() >= 0 && c.wordSourceIndex() < OptionsControls::wordSourceCount,
            "word source selection");
    require(c.chkHint() == 0 || c.chkHint() == 1, "hint check state");
    require(c.chkLength() == 0 || c.chkLength() == 1, "length check state");
    require(!c.comGuessText().isEmpty() && !c.comLengthText().isEmpty(), "texts to convert");
    require(!c.chkHintEnabled(), "hint disabled");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QList<QByteArray> texts =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    FakeStore store;
    for (int i = 0; i < Options::keys().size() && i < texts.size(); ++i)
        store.values[Options::section + '/' + Options::keys()[i]] = QString::fromUtf8(texts[i]);

    NullOptionsHost host;
    RecordingMessages messages;
    Options options(store, messages);
    options.Form_Load(host);
    const OptionsControls first = options.live(host);
    checkRanges(first);

    options.cmdDone_Click(host);
    Options again(store, messages);
    again.Form_Load(host);
    const OptionsControls &second = again.live(host);
    checkRanges(second);
    require(second.optGuessManual() == first.optGuessManual() &&
                second.comGuessIndex() == first.comGuessIndex() &&
                second.wordSourceIndex() == first.wordSourceIndex() &&
                second.chkHint() == first.chkHint() && second.chkLength() == first.chkLength() &&
                second.comLengthIndex() == first.comLengthIndex() &&
                second.comGuessEnabled() == first.comGuessEnabled() &&
                second.comLengthEnabled() == first.comLengthEnabled(),
            "what DONE saves loads back the same");
    return 0;
}
