// Speed of the word-list read and of a new game: build/bench/gibbetry-bench (make bench).
#include "fakes.h"
#include "game/game.h"
#include "platform/posix_file_reader.h"
#include "platform/time_seeded_random.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

const QString wordsDir = QStringLiteral(GIBBETRY_WORDS_DIR);
const QString australian = QStringLiteral("Australian English Dictionary.txt");

// A list of 50,000 random lower-case words of 3 to 12 letters, CR LF ended, made once per run.
const QString &fiftyThousandLines()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath("SmarterKid 5.txt");
        std::mt19937 engine(50000);
        QByteArray bytes;
        for (int i = 0; i < 50000; ++i) {
            const int length = 3 + int(engine() % 10);
            for (int j = 0; j < length; ++j)
                bytes += char('a' + engine() % 26);
            bytes += "\r\n";
        }
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file));
        return file;
    }();
    return path;
}

QString pathOf(int which)
{
    return which == 0 ? wordsDir + '/' + australian : fiftyThousandLines();
}

void readAndParse(benchmark::State &state)
{
    const QString path = pathOf(int(state.range(0)));
    PosixFileReader reader;
    for (auto _ : state) {
        FileContents contents = reader.read(path, Game::maxListBytes);
        ParsedWordList parsed = parseWordList(contents.bytes);
        benchmark::DoNotOptimize(parsed.list.count());
    }
}

void getlineBaseline(benchmark::State &state)
{
    const std::string path = pathOf(int(state.range(0))).toStdString();
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::vector<std::string> lines;
        std::string line;
        while (std::getline(in, line))
            lines.push_back(line);
        benchmark::DoNotOptimize(lines.data());
    }
}

// The game as it runs, with its options in memory and the given list as its chosen source.
struct Bench {
    FakeStore store;
    PosixFileReader files;
    TimeSeededRandom random;
    RecordingMessages messages;
    CountingBusy busy;
    FixedClock clock;
    ImmediateWorker worker;
    Options options{store, messages};
    Game game{options, {files, random, messages, busy, clock, worker}, {wordsDir}};

    Bench(const QString &source, int limit)
    {
        store.values["Settings/lstWordSource"] = source;
        if (limit > 0) {
            store.values["Settings/chkLength"] = "1";
            store.values["Settings/comLengthLI"] = QString::number(limit - 4);
        }
        game.Form_Load();
    }
};

void readWordSource(benchmark::State &state)
{
    Bench bench(QStringLiteral("0"), 0);
    for (auto _ : state)
        bench.game.ReadWordSource();
        benchmark::DoNotOptimize(bench.game.wordList().count());
}

void newGame(benchmark::State &state)
{
    Bench bench(QStringLiteral("0"), int(state.range(0)));
    for (auto _ : state) {
        bench.game.cmdNewGame_Click();
        benchmark::DoNotOptimize(bench.game.state().secretWord.size());
    }
    if (!bench.messages.shown.isEmpty())
        state.SkipWithError("the game said something");
}

} // namespace

BENCHMARK(readAndParse)->Arg(0)->Arg(1)->ArgName("list")->Unit(benchmark::kMillisecond);
BENCHMARK(getlineBaseline)->Arg(0)->Arg(1)->ArgName("list")->Unit(benchmark::kMillisecond);
BENCHMARK(readWordSource)->Unit(benchmark::kMillisecond);
BENCHMARK(newGame)->Arg(0)->Arg(4)->ArgName("limit")->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
