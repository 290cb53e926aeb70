#pragma once

#include "options/options.h"
#include "platform/busy_pointer.h"
#include "platform/clock.h"
#include "platform/file_reader.h"
#include "platform/message_box.h"
#include "platform/random_source.h"
#include "platform/settings_store.h"
#include "platform/worker.h"

#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace gibbetry::test {

// A settings store in memory that logs every read and write in order.
class FakeStore final : public SettingsStore {
public:
    QMap<QString, QString> values; // "Settings/key" -> text
    QStringList log;               // "read key" / "write key=value"
    std::optional<Report> failure;  // what commit() reports
    std::optional<QString> notice;  // what the next load() reports, once
    int loads = 0;

    std::optional<QString> load() override
    {
        ++loads;
        return std::exchange(notice, std::nullopt);
    }

    QString read(const QString &section, const QString &key, const QString &def) override
    {
        log << QStringLiteral("read ") + key;
        return values.value(section + '/' + key, def);
    }
    void write(const QString &section, const QString &key, const QString &value) override
    {
        log << QStringLiteral("write %1=%2").arg(key, value);
        if (!failure || failure->saved)
            values[section + '/' + key] = value;
    }
    std::optional<Report> commit() override { return failure; }

    QStringList writtenValues() const
    {
        QStringList out;
        for (const QString &entry : log)
            if (entry.startsWith(QLatin1String("write ")))
                out << entry.section('=', 1);
        return out;
    }
};

// A main window that shows nothing and whose list always loads.
class NullOptionsHost final : public OptionsHost {
public:
    void setStatusCaption(int, const QString &) override {}
    void ReadWordSource() override {}
    void cmdNewGame_Click() override {}
    int loadedWordSource() const override { return 1; }
};

// Hands out the numbers it was given, in order, then repeats the last one.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<double> script;
    double last = 0.0;
    int draws = 0;
    double next() override
    {
        ++draws;
        if (!script.empty()) {
            last = script.front();
            script.pop_front();
        }
        return last;
    }
};

class RecordingMessages final : public MessageBox {
public:
    QStringList shown;
    std::function<void()> onShow; // runs while the box would be open
    void show(Icon, const QString &text) override
    {
        shown << text;
        if (onShow)
            onShow();
    }
};

class CountingBusy final : public BusyPointer {
public:
    int depth = 0;
    int times = 0;
    void setBusy(bool busy) override
    {
        depth += busy ? 1 : -1;
        times += busy ? 1 : 0;
    }
};

class FixedClock final : public Clock {
public:
    QTime time{17, 4, 23};
    QTime currentTime() override { return time; }
};

// Runs each work at once, on this thread, and reports it done; or reports the next `timeOuts`
// works as not done in time, without running them; or, while `held`, keeps works until release().
class ImmediateWorker final : public Worker {
public:
    int timeOuts = 0;
    bool held = false;
    std::vector<std::function<void()>> waiting;
    void run(std::function<void()> work, std::chrono::milliseconds,
             std::function<void(bool)> done) override
    {
        if (timeOuts > 0) {
            --timeOuts;
            done(false);
            return;
        }
        auto both = [work = std::move(work), done = std::move(done)] {
            work();
            done(true);
        };
        if (held)
            waiting.push_back(std::move(both));
        else
            both();
    }
    void release()
    {
        held = false;
        for (auto &work : std::exchange(waiting, {}))
            work();
    }
};

// Files by path; a path that is not there is missing.
class FakeFiles final : public FileReader {
public:
    QMap<QByteArray, FileContents> files;
    QList<QByteArray> asked;
    void put(const QByteArray &path, const QByteArray &bytes)
    {
        files[path] = {FileContents::Status::Ok, bytes, false, {}};
    }
    using FileReader::read;
    FileContents read(const QByteArray &path, qint64 maxBytes) override
    {
        asked << path;
        FileContents found = files.value(path);
        if (found.bytes.size() > maxBytes) {
            found.bytes.truncate(maxBytes);
            found.truncated = true;
        }
        return found;
    }
};

} // namespace gibbetry::test
