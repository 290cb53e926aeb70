// Run by wayland_test.sh on the wayland platform under a headless weston: each window asked to
// maximise from inside stays at its fixed size, and the game goes on afterwards; the dialogs the
// menu opens are children of the game window (the script looks for their set_parent request).
#include "about/about_box.h"
#include "game/view/board_label.h"
#include "game/view/main_window.h"
#include "game_rig.h"
#include "options/view/options_dialog.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

using namespace gibbetry;
using namespace gibbetry::test;

class WaylandTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("wayland"))
            QSKIP("needs the wayland platform; wayland_test.sh runs this under weston");
    }

    void maximiseIsRefused_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("main window") << "main";
        QTest::newRow("Options") << "options";
        QTest::newRow("About") << "about";
    }
    void maximiseIsRefused()
    {
        QFETCH(QString, window);
        GameRig rig("gallows\r\n");
        rig.game.Form_Load();
        MainWindow main(rig.game, rig.options);
        OptionsDialog options(rig.options, rig.game);
        AboutBox about;
        QWidget *shown = window == "main" ? static_cast<QWidget *>(&main)
                         : window == "options" ? static_cast<QWidget *>(&options)
                                               : &about;
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        const QSize fixed = shown->size();
        const QSize limit = shown->maximumSize();

        // From the widget, and from the window as the title bar's maximise button asks.
        const std::function<void()> requests[] = {
            [&] { shown->showMaximized(); },
            [&] { shown->showFullScreen(); },
            [&] { shown->windowHandle()->setWindowStates(Qt::WindowMaximized); },
        };
        for (const auto &request : requests) {
            request();
            QTest::qWait(600); // the compositor's configure, our undo, and the next one
            QCOMPARE(shown->size(), fixed);
            QCOMPARE(shown->maximumSize(), limit);
            QCOMPARE(shown->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen), 0);
        }

        // Still playing: a click after the request is what ended the game before.
        if (window == "main") {
            rig.start();
            QTest::mouseClick(main.letterTile('A' - 'A'), Qt::LeftButton);
            QTest::qWait(100);
            QCOMPARE(rig.shownWord(), QStringLiteral("_A_____"));
        }
        QVERIFY(shown->isVisible());
    }

    void dialogsAreChildrenOfTheGame_data()
    {
        QTest::addColumn<bool>("options");
        QTest::newRow("Options") << true;
        QTest::newRow("About") << false;
    }
    void dialogsAreChildrenOfTheGame()
    {
        QFETCH(bool, options);
        GameRig rig("gallows\r\n");
        MainWindow main(rig.game, rig.options);
        rig.game.Form_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QWindow *parent = nullptr;
        QTimer::singleShot(300, [&] { // once the dialog's toplevel has gone out
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                parent = dialog->windowHandle()->transientParent();
                dialog->close();
            }
        });
        (options ? main.optionsAction() : main.aboutAction())->trigger();
        QCOMPARE(parent, main.windowHandle());
    }
};

QTEST_MAIN(WaylandTest)
#include "test_wayland.moc"
