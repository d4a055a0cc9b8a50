#include "Progress2.h"

#include "Formplace.h"

#include <QFont>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

TProgressForm2::TProgressForm2(QWidget* owner, QWidget* parentForm)
    : QDialog(parentForm ? parentForm : owner,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      owner_(owner)
{
    setObjectName(QStringLiteral("ProgressForm2"));
    setWindowTitle(QStringLiteral("Progress"));
    setFixedSize(358, 66);

    LB_Prompt = new QLabel(this);
    QFont bold = LB_Prompt->font();
    bold.setBold(true);
    LB_Prompt->setFont(bold);
    LB_Prompt->move(16, 7);
    LB_Prompt->resize(329, 20);

    ProgressBar = new QProgressBar(this);
    ProgressBar->setGeometry(16, 32, 329, 16);
    ProgressBar->setRange(0, 76);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);

    ProgressTimer = new QTimer(this);
    ProgressTimer->setInterval(1000);
    connect(ProgressTimer, &QTimer::timeout, this, &TProgressForm2::ProgressTimerTimer);

    TCentreOnMainWindow(this);
    FormCreate();
}

TProgressForm2::~TProgressForm2() = default;

void TProgressForm2::FormCreate()
{
    ticks_ = 0;
    ProgressTimer->start();
}

void TProgressForm2::ProgressTimerTimer()
{
    // The ticks are counted apart from the bar: the bar wraps at its maximum,
    // and a limit above the maximum must still end the wait.
    if (ticks_ >= TickLimit) {
        close();
        return;
    }
    ++ticks_;
    int position = ProgressBar->value() + 1;
    if (position >= ProgressBar->maximum())
        position = ProgressBar->minimum();
    ProgressBar->setValue(position);
}

void TProgressForm2::FormClose()
{
    ProgressTimer->stop();
    if (parentWidget() != owner_)
        setParent(owner_, windowFlags());
}

void TProgressForm2::done(int result)
{
    QDialog::done(result);
    FormClose();
}
