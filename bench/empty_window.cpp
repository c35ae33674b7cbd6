// The floor for Penwick's start: an empty Qt main window with a plain-text editor.
#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QPlainTextEdit);
    window.show();
    return app.exec();
}
