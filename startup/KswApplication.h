// The application object of the module: an error that escapes an event handler
// is shown in an error box instead of ending the process.
#pragma once

#include <QApplication>

class KswApplication : public QApplication {
public:
    KswApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error text in a modal error box captioned with the application name.
    static void ShowErrorBox(const QString& text);
};
