#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("KSW-4800"));
    window.resize(880, 300);
    window.show();
    return app.exec();
}
