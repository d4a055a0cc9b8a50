#include "About.h"

#include "KswResources.h"
#include "views/Viewmodal.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

TAboutForm::TAboutForm(QWidget* parent, const QString& warning)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      Image1(new QLabel(this)),
      Label1(new QLabel(QStringLiteral("Korvane KSW-4800 Management Module"), this)),
      Label2(new QLabel(QStringLiteral("Release Version 4.01R20"), this)),
      releaseLable(new QLabel(QStringLiteral("Release Lable"), this)),
      BT_Ok(new QPushButton(QStringLiteral("Ok"), this)),
      IdentityWarning(new QLabel(this))
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About KSW-4800 Management Module"));
    setFixedSize(354, 105);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ModuleIconPixmap());
    Image1->move(9, 32);
    Image1->resize(32, 32);

    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPointSize(9);
    Label1->setFont(bold);
    Label1->move(57, 16);
    Label1->adjustSize();

    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(58, 40);
    Label2->adjustSize();

    releaseLable->setObjectName(QStringLiteral("releaseLable"));
    releaseLable->move(192, 40);
    releaseLable->adjustSize();
    releaseLable->hide();

    BT_Ok->setObjectName(QStringLiteral("BT_Ok"));
    BT_Ok->setGeometry(285, 63, 51, 25);
    BT_Ok->setDefault(true);
    connect(BT_Ok, &QPushButton::clicked, this, &QDialog::accept);

    // Below the designed box, which grows by the warning's height.
    IdentityWarning->setObjectName(QStringLiteral("IdentityWarning"));
    IdentityWarning->setWordWrap(true);
    IdentityWarning->setText(warning);
    IdentityWarning->setVisible(!warning.isEmpty());
    if (!warning.isEmpty()) {
        constexpr int left = 16, top = 98, width = 354 - 2 * left;
        IdentityWarning->setGeometry(left, top, width, IdentityWarning->heightForWidth(width));
        setFixedSize(354, top + IdentityWarning->height() + 8);
    }

    if (parent) {
        const QRect owner = parent->window()->frameGeometry();
        move(owner.center() - rect().center());
    }
}

void About1Click(QMainWindow& window, const QString& warning)
{
    TAboutForm about(&window, warning);
    TRunModal(about);
}
