#include "game/game.h"
#include "game/view/main_window.h"
#include "options/options.h"
#include "platform/fonts.h"
#include "platform/posix_file_reader.h"
#include "platform/qt_busy_pointer.h"
#include "platform/qt_message_box.h"
#include "platform/qt_settings_store.h"
#include "platform/system_clock.h"
#include "platform/time_seeded_random.h"
#include "version.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

// Without a display Qt would abort with a long message; say it plainly instead.
bool hasDisplay(int argc, char **argv)
{
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

// Where the word lists are when the working directory has none: beside the binary in the
// build tree, or in share/gibbetry/words of the installed tree.
QStringList wordListDirs()
{
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.filePath(QStringLiteral("words")),
            QDir::cleanPath(bin.filePath(QStringLiteral("../share/gibbetry/words")))};
}

} // namespace

int main(int argc, char **argv)
{
    if (!hasDisplay(argc, argv)) {
        std::fputs("gibbetry: no graphical desktop found (neither DISPLAY nor WAYLAND_DISPLAY is "
                   "set); Gibbetry needs one to run.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(gibbetry::applicationTitle));
    gibbetry::installFonts();

    gibbetry::QtSettingsStore store(gibbetry::QtSettingsStore::userFilePath());
    gibbetry::PosixFileReader files;
    gibbetry::TimeSeededRandom random;
    gibbetry::QtMessageBox messages;
    gibbetry::QtBusyPointer busy;
    gibbetry::SystemClock clock;
    gibbetry::Options options(store, messages);
    gibbetry::Game game(options, {files, random, messages, busy, clock}, wordListDirs());

    gibbetry::MainWindow window(game, options);
    messages.setParent(&window);
    // The window is mapped at once; its load (options, status line, word list) is the event
    // loop's first job, done before the first paint and before any click can arrive, so that
    // even the largest list does not hold back the window's appearance.
    window.showCentred();
    QTimer::singleShot(0, &window, [&game] { game.Form_Load(); });
    return app.exec();
}
