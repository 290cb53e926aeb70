#include "game/figure_stages.h"
#include "game/view/board_label.h"
#include "game/view/main_window.h"
#include "game_rig.h"
#include "platform/fonts.h"
#include "platform/qt_message_box.h"

#include <QAccessible>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace gibbetry;
using namespace gibbetry::test;

namespace {

struct Rig : GameRig {
    MainWindow window{game, options};
    explicit Rig(const QByteArray &words) : GameRig(words)
    {
        game.Form_Load();
        window.showCentred();
    }
    QAccessibleInterface *of(QWidget *widget) { return QAccessible::queryAccessibleInterface(widget); }
    QAccessibleInterface *tile(char letter) { return of(window.letterTile(letter - 'A')); }
    QAccessibleInterface *slot(int index) { return of(window.wordSlot(index)); }
    void press(char letter)
    {
        QAccessibleInterface *face = tile(letter);
        QVERIFY(face->actionInterface());
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
};

// All the texts a screen reader can reach below an interface.
QStringList texts(QAccessibleInterface *face)
{
    QStringList out{face->text(QAccessible::Name), face->text(QAccessible::Description),
                    face->text(QAccessible::Value)};
    for (int i = 0; i < face->childCount(); ++i)
        out += texts(face->child(i));
    return out;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFonts(); }

    void tilesAreButtonsNamedByTheirCaption()
    {
        Rig rig("bread\r\n");
        for (int i = 0; i < Board::letterCount; ++i) {
            QAccessibleInterface *face = rig.of(rig.window.letterTile(i));
            QCOMPARE(face->role(), QAccessible::Button);
            QCOMPARE(face->text(QAccessible::Name), QString(QChar('A' + i)));
            QCOMPARE(face->text(QAccessible::Description), "letter tile, not yet used");
            QCOMPARE(face->actionInterface()->actionNames(),
                     QStringList{QAccessibleActionInterface::pressAction()});
        }
    }

    void pressingATileGuessesAsAClickDoes()
    {
        Rig rig("bread\r\n");
        QTest::mouseClick(rig.window.newGameButton(), Qt::LeftButton);
        QCOMPARE(rig.slot(2)->text(QAccessible::Name), "");
        QCOMPARE(rig.slot(2)->text(QAccessible::Description), "letter 3 of 5, not yet revealed");
        rig.press('E');
        rig.press('Z');
        QCOMPARE(rig.slot(2)->text(QAccessible::Name), "E");
        QCOMPARE(rig.slot(2)->text(QAccessible::Description), "letter 3 of 5, revealed");
        QCOMPARE(rig.tile('E')->text(QAccessible::Description), "letter tile, in the word");
        QCOMPARE(rig.tile('Z')->text(QAccessible::Description), "letter tile, not in the word");
        QCOMPARE(rig.game.state().stagesLeft, figureStageCount - 1);
    }

    void theEndOfAGameIsReadable()
    {
        Rig rig("ox\r\n");
        rig.store.values["Settings/optGuessGUI"] = "False";
        rig.store.values["Settings/optGuessManual"] = "True";
        rig.store.values["Settings/comGuessLI"] = "0";
        rig.options.unload();
        QTest::mouseClick(rig.window.newGameButton(), Qt::LeftButton);
        QCOMPARE(rig.of(rig.window.label({Element::lblGG, 3}))->text(QAccessible::Name), "1");
        QCOMPARE(rig.of(rig.window.label({Element::lblGG, 3}))->text(QAccessible::Description),
                 "chances left");
        QCOMPARE(rig.of(rig.window.label({Element::lblG, 1}))->text(QAccessible::Name),
                 "Allowed errors");
        rig.press('O');
        rig.press('A');
        QCOMPARE(rig.of(rig.window.label({Element::lblGameOver}))->text(QAccessible::Name),
                 "GAME OVER");
        QCOMPARE(rig.slot(1)->text(QAccessible::Name), "X");
        QCOMPARE(rig.slot(1)->text(QAccessible::Description), "letter 2 of 2, filled in at the end");
        QCOMPARE(rig.of(rig.window.label({Element::status, 3}))->text(QAccessible::Name),
                 "No restriction on word length");
        QCOMPARE(rig.of(rig.window.label({Element::status, 3}))->text(QAccessible::Description),
                 "word length limit");
    }

    void aModalWindowBlocksThePress()
    {
        Rig rig("bread\r\n");
        QTest::mouseClick(rig.window.newGameButton(), Qt::LeftButton);
        QDialog modal;
        QTimer::singleShot(0, &modal, [&] {
            rig.press('E');
            modal.accept();
        });
        modal.exec();
        QCOMPARE(rig.slot(2)->text(QAccessible::Name), "");
        rig.press('E');
        QCOMPARE(rig.slot(2)->text(QAccessible::Name), "E");
    }

    void theWinMessageIsReadable()
    {
        auto box = QtMessageBox::create(MessageBox::Icon::Information,
                                        "You have completed the word.\r\n\r\n\r\nWell done.", nullptr);
        box->show();
        const QStringList said = texts(QAccessible::queryAccessibleInterface(box.get()));
        QVERIFY(said.join('|').contains("You have completed the word."));
        QVERIFY(said.contains("OK"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
