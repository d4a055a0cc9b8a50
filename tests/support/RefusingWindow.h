// A main window that counts the requests to close it and refuses each: the
// close stays observable and the window stays for the rest of the test.
#pragma once

#include <QCloseEvent>
#include <QMainWindow>

class RefusingWindow : public QMainWindow {
public:
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        ++closeRequests;
        e->ignore();
    }
};
