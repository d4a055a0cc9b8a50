// The About box of the module.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QMainWindow;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    // warning: a line about the agent under the design (none when empty).
    explicit TAboutForm(QWidget* parent = nullptr, const QString& warning = QString());

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* releaseLable;
    QPushButton* BT_Ok;
    QLabel* IdentityWarning;   // hidden without a warning
};

// "About": shows the About box modally over the main window, with the
// window's warning about its agent when there is one.
void About1Click(QMainWindow& window, const QString& warning = QString());
