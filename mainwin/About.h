// The About box of the module.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QMainWindow;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* releaseLable;
    QPushButton* BT_Ok;
};

// "About": shows the About box modally over the main window.
void About1Click(QMainWindow& window);
