#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Varlo - страница 1"));
    window.setCentralWidget(new QPlainTextEdit(&window));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
