#include "KswApplication.h"

#include <QMessageBox>

KswApplication::KswApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool KswApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowErrorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowErrorBox(QStringLiteral("Unknown error"));
    }
    return false;
}

void KswApplication::ShowErrorBox(const QString& text)
{
    QMessageBox::critical(nullptr, applicationName(), text);
}
