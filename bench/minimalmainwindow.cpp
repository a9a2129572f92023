// A second yardstick for the start-up figures: the smallest main window shaped like the game's,
// a QMainWindow with a menu bar and a client area of the game's size, and nothing in it. It
// shows what that shape costs by itself, apart from the game's own controls.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QCoreApplication::translate("minimal", "&File"));
    auto* client = new QWidget(&window);
    client->setFixedSize(635, 438);
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
