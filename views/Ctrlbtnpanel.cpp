#include "Ctrlbtnpanel.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kControlWidth = 96;
constexpr int kButtonHeight = 25;
constexpr int kGap = 5;
}

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* parent) : QFrame(parent)
{
    LB_Samples = new QLabel(QStringLiteral("Samples"), this);
    LB_Samples->setAlignment(Qt::AlignCenter);
    ST_RowCount = new QLabel(QStringLiteral("0"), this);
    ST_RowCount->setAlignment(Qt::AlignCenter);
    ST_RowCount->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ST_RowCount->resize(kControlWidth, ST_RowCount->sizeHint().height());
    LB_Samples->resize(kControlWidth, LB_Samples->sizeHint().height());

    BT_Refresh = makeButton(QStringLiteral("Refresh"), QStringLiteral("Get.bmp"));
    BT_Edit = makeButton(QStringLiteral("Edit"), QStringLiteral("Set.bmp"));
    BT_SetChecked = makeButton(QStringLiteral("Set Checked"), QStringLiteral("SetCheck.bmp"));
    BT_Add = makeButton(QStringLiteral("Add"), QStringLiteral("Add.bmp"));
    BT_Delete = makeButton(QStringLiteral("Delete"), QStringLiteral("Delete.bmp"));
    BT_CheckAll = makeButton(QStringLiteral("Check All"), QStringLiteral("SelectAll.bmp"));
    BT_ClearChecks = makeButton(QStringLiteral("Clear Checks"), QStringLiteral("SelectNone.bmp"));
    BT_Close = makeButton(QStringLiteral("Close"), QStringLiteral("Close.bmp"));

    layout_ = {LB_Samples, ST_RowCount, BT_Refresh, BT_Edit, BT_SetChecked,
               BT_Add, BT_Delete, BT_CheckAll, BT_ClearChecks, BT_Close};
    BT_Add->hide();
    BT_Delete->hide();
    ArrangeButtons();
    const int width = 2 * left_ + BT_Refresh->width();
    setMinimumWidth(width);
    resize(width, arrangedHeight_);
}

QPushButton* TCtrlBtnPanel::makeButton(const QString& caption, const QString& picture)
{
    auto* button = new QPushButton(caption, this);
    button->resize(kControlWidth, kButtonHeight);
    // Return in a row edit must not press Refresh (or any other button) behind
    // the user's back, as a dialog's automatic default button would.
    button->setAutoDefault(false);
    // A picture beside the executable's working folder replaces the caption; one
    // that cannot be read leaves the caption, so no button ever ends up blank.
    const QString file = QDir::currentPath() + QDir::separator() + picture;
    if (QFileInfo::exists(file)) {
        const QPixmap pixmap(file);
        if (!pixmap.isNull()) {
            button->setText(QString());
            button->setIcon(QIcon(pixmap));
            button->setIconSize(pixmap.size().boundedTo(QSize(kControlWidth - 8, kButtonHeight - 4)));
            button->setToolTip(caption);
        }
    }
    return button;
}

void TCtrlBtnPanel::ArrangeButtons()
{
    int top = top_;
    for (QWidget* w : layout_) {
        w->setGeometry(left_, top, kControlWidth, w->height());
        if (!w->isHidden())
            top = w->geometry().bottom() + 1 + kGap;
    }
    arrangedHeight_ = top - kGap + top_;
    updateGeometry();
}

QSize TCtrlBtnPanel::sizeHint() const
{
    return {minimumWidth(), arrangedHeight_};
}

QSize TCtrlBtnPanel::minimumSizeHint() const
{
    return {minimumWidth(), arrangedHeight_};
}

TMsgPanel::TMsgPanel(QWidget* parent) : QFrame(parent)
{
    // The user may pull the bottom splitter; the strip starts 50 pixels high.
    setMinimumHeight(20);
    resize(width(), kHeight);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    Memo = new QPlainTextEdit(this);
    Memo->setReadOnly(true);
    box->addWidget(Memo);
}
