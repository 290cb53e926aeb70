#include "game/game.h"
#include "game/view/main_window.h"
#include "options/options.h"
#include "platform/fonts.h"
#include "platform/posix_file_reader.h"
#include "platform/qt_busy_pointer.h"
#include "platform/qt_message_box.h"
#include "platform/qt_worker.h"
#include "platform/ini_settings_store.h"
#include "platform/system_clock.h"
#include "platform/time_seeded_random.h"
#include "platform/translations.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <optional>
#include <unistd.h>

namespace {

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

bool platformChosen(int argc, char **argv)
{
    if (isSet("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

// Whether Qt's Wayland platform plugin is where Qt looks for platform plugins.
bool hasWaylandPlugin()
{
    QStringList dirs;
    if (isSet("QT_QPA_PLATFORM_PLUGIN_PATH"))
        dirs << QString::fromLocal8Bit(std::getenv("QT_QPA_PLATFORM_PLUGIN_PATH"));
    for (const QString &path : QCoreApplication::libraryPaths())
        dirs << path + QStringLiteral("/platforms");
    for (const QString &dir : dirs)
        if (!QDir(dir).entryList({QStringLiteral("libqwayland*.so")}, QDir::Files).isEmpty())
            return true;
    return false;
}

// The command line's texts: the application object that tr() needs does not exist yet.
const char *const context = "CommandLine";

// Without a display, or on a Wayland desktop without Qt's Wayland plugin, Qt would abort with a
// long message; say it plainly in one line instead. Returns the line, or nullptr to go on.
const char *cannotRun(int argc, char **argv)
{
    if (platformChosen(argc, argv) || isSet("DISPLAY"))
        return nullptr;
    if (!isSet("WAYLAND_DISPLAY"))
        return QT_TRANSLATE_NOOP("CommandLine",
                                 "gibbetry: no graphical desktop found (neither DISPLAY nor "
                                 "WAYLAND_DISPLAY is set); Gibbetry needs one to run.");
    if (!hasWaylandPlugin())
        return QT_TRANSLATE_NOOP("CommandLine",
                                 "gibbetry: this Wayland desktop has no X server and Qt's Wayland "
                                 "support is not installed; install the qt6-wayland package to "
                                 "run Gibbetry.");
    return nullptr;
}

// Whether the terminal takes UTF-8, the only encoding these lines are written in; a terminal in
// another codeset gets them in English, which its ASCII holds.
bool terminalTakesUtf8()
{
    return std::setlocale(LC_CTYPE, "") && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
}

// A line for the terminal: in the player's language where the terminal can show it.
QString terminalText(const gibbetry::Translations &language, const char *source)
{
    return terminalTakesUtf8() ? language.translate(context, source) : QString::fromUtf8(source);
}

// The help, every line of it the program's own so that all of it is in the player's language.
QString helpText(const gibbetry::Translations &language)
{
    const auto text = [&language](const char *source) { return terminalText(language, source); };
    const QStringList options[] = {
        {QStringLiteral("-h, --help"), text(QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit."))},
        {QStringLiteral("-v, --version"),
         text(QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit."))}};
    //: %1 is the program's name, gibbetry.
    QString help = text(QT_TRANSLATE_NOOP("CommandLine", "Usage: %1 [options]"))
                       .arg(QStringLiteral("gibbetry")) + QLatin1Char('\n') +
                   text(QT_TRANSLATE_NOOP("CommandLine", "A game of hangman. It also takes Qt's "
                                                         "options, such as -platform and -style.")) +
                   QStringLiteral("\n\n") + text(QT_TRANSLATE_NOOP("CommandLine", "Options:")) +
                   QLatin1Char('\n');
    for (const QStringList &option : options)
        help += QStringLiteral("  ") + option[0].leftJustified(15) + option[1] + QLatin1Char('\n');
    return help;
}

// --help and --version, answered before Qt looks for a desktop, so that they work without one.
// Single-dash words are read as long options, so Qt's own (-platform xcb, -style fusion, -reverse)
// are unknown here, ignored, and left to QApplication. Returns the exit status once answered.
std::optional<int> answerCommandLine(int argc, char **argv, const gibbetry::Translations &language)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.parse(arguments);
    if (parser.isSet(help))
        std::fputs(qPrintable(helpText(language)), stdout);
    else if (parser.isSet(version))
        std::printf("gibbetry %d.%d.%d\n", gibbetry::version::major, gibbetry::version::minor,
                    gibbetry::version::revision);
    else
        return std::nullopt;
    return 0;
}

// The program's own file, as the bytes the system names it by: a folder whose name is not UTF-8
// would not survive a QString. Qt's answer stands in only where the link cannot be read and only
// when its bytes name a file; otherwise "".
QByteArray programPath()
{
    QByteArray path(4096, Qt::Uninitialized);
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), size_t(path.size()));
    if (length > 0 && length < path.size())
        return path.left(length);
    path = QFile::encodeName(QCoreApplication::applicationFilePath());
    return ::access(path.constData(), F_OK) == 0 ? path : QByteArray();
}

// Where the word lists are when the working directory has none: beside the binary in the
// build tree, or in share/gibbetry/words of the installed tree.
QList<QByteArray> wordListDirs()
{
    const QByteArray path = programPath();
    if (!path.startsWith('/'))
        return {};
    const QByteArray bin = path.left(std::max<qsizetype>(path.lastIndexOf('/'), 1));
    const QByteArray prefix = bin.left(std::max<qsizetype>(bin.lastIndexOf('/'), 0));
    return {bin + "/words", prefix + "/share/gibbetry/words"};
}

} // namespace

int main(int argc, char **argv)
{
    const gibbetry::Translations language(
        gibbetry::wantedLanguages([](const char *name) { return QByteArray(std::getenv(name)); }));
    if (const std::optional<int> status = answerCommandLine(argc, argv, language))
        return *status;
    if (const char *why = cannotRun(argc, argv)) {
        std::fputs(qPrintable(terminalText(language, why) + QLatin1Char('\n')), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    language.install();
    // Arabic: the menus and dialogs run right to left.
    if (language.rightToLeft())
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    QApplication::setApplicationName(QLatin1String(gibbetry::applicationTitle));
    // The Wayland app id and the X11 startup id name the desktop entry, so docks and launchers
    // match the window with it.
    QGuiApplication::setDesktopFileName(QStringLiteral(GIBBETRY_APP_ID));
    gibbetry::installFonts();

    gibbetry::IniSettingsStore store(gibbetry::IniSettingsStore::userFilePath());
    gibbetry::PosixFileReader files;
    gibbetry::TimeSeededRandom random;
    gibbetry::QtMessageBox messages; // its parent, the window, is set once the window exists
    gibbetry::QtBusyPointer busy;
    gibbetry::SystemClock clock;
    gibbetry::QtWorker worker;
    gibbetry::Options options(store, messages);
    gibbetry::Game game(options, {files, random, messages, busy, clock, worker}, wordListDirs());

    gibbetry::MainWindow window(game, options);
    messages.setParent(&window);
    // The window is shown at once and its load (options, status line, the start of the word
    // list's read, which goes on off this thread) is queued for the event loop's first turn.
    // Nothing orders that load before the first paint: the board may first be drawn as it opens,
    // and a tile clicked before the load finds the game over, as between games.
    window.showCentred();
    QTimer::singleShot(0, &window, [&game] { game.Form_Load(); });
    return app.exec();
}
