// The yardstick for start-up: a bare Qt Widgets window of the game window's shape (a menu bar
// with two commands over an 874 x 389 client area), with nothing in it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addAction(QStringLiteral("&Options"));
    window.menuBar()->addAction(QStringLiteral("&About"));
    auto *client = new QWidget(&window);
    client->setFixedSize(874, 389);
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
