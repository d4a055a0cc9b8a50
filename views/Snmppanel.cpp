#include "Snmppanel.h"

#include "KvSNMPRequest2Edits.h"
#include "KvUserNotice.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QHBoxLayout>
#include <QLayout>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include <exception>

TSNMPPanel::TSNMPPanel(QWidget* parent, TMsgPanel* msgPanel, KvSNMPRequest2Edits* binding)
    : QWidget(parent), binding_(binding)
{
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    rightSplitter_ = new QSplitter(Qt::Horizontal, this);
    rightSplitter_->setChildrenCollapsible(false);
    outer->addWidget(rightSplitter_);

    client_ = new QWidget(rightSplitter_);
    btnPanel_ = new TCtrlBtnPanel(rightSplitter_);
    rightSplitter_->addWidget(client_);
    rightSplitter_->addWidget(btnPanel_);
    rightSplitter_->setStretchFactor(0, 1);
    rightSplitter_->setStretchFactor(1, 0);

    auto* clientBox = new QVBoxLayout(client_);
    clientBox->setContentsMargins(0, 0, 0, 0);
    bottomSplitter_ = new QSplitter(Qt::Vertical, client_);
    bottomSplitter_->setHandleWidth(5);
    bottomSplitter_->setChildrenCollapsible(false);
    clientBox->addWidget(bottomSplitter_);
    contentArea_ = new QWidget(bottomSplitter_);
    auto* contentBox = new QVBoxLayout(contentArea_);
    contentBox->setContentsMargins(0, 0, 0, 0);
    bottomSplitter_->addWidget(contentArea_);
    bottomSplitter_->setStretchFactor(0, 1);
    if (msgPanel) {
        msgPanel_ = msgPanel;
    } else {
        ownMsg_ = new TMsgPanel(bottomSplitter_);
        bottomSplitter_->addWidget(ownMsg_);
        bottomSplitter_->setStretchFactor(1, 0);
        msgPanel_ = ownMsg_;
    }
    if (binding_)
        binding_->SetStatusOutput(msgPanel_->Memo);

    connect(btnPanel_->BT_Refresh, &QPushButton::clicked, this, &TSNMPPanel::BT_RefreshClick);
    connect(btnPanel_->BT_Close, &QPushButton::clicked, this, &TSNMPPanel::BT_CloseClick);
    resize(0, 0);
}

void TSNMPPanel::SetContent(QWidget* content)
{
    if (content_ && content_ != content) {
        content_->hide();
        contentArea_->layout()->removeWidget(content_);
    }
    content_ = content;
    if (!content)
        return;
    if (content->parentWidget() != contentArea_)
        content->setParent(contentArea_);
    const QSize contentSize = content->size();
    content->show();
    const int width = contentSize.width() + btnPanel_->minimumWidth() + rightSplitter_->handleWidth() + 3;
    const int msgHeight = ownMsg_ ? TMsgPanel::kHeight : 0;
    const int height = std::max(contentSize.height() + msgHeight + bottomSplitter_->handleWidth(),
                                btnPanel_->sizeHint().height());
    resize(width, height);
    if (contentArea_->layout()->indexOf(content) < 0)
        contentArea_->layout()->addWidget(content);
    if (ownMsg_)
        bottomSplitter_->setSizes({height - msgHeight - bottomSplitter_->handleWidth(), msgHeight});
    rightSplitter_->setSizes({width - btnPanel_->minimumWidth() - rightSplitter_->handleWidth(),
                              btnPanel_->minimumWidth()});
    updateGeometry();
}

void TSNMPPanel::AttachToForm(QWidget* form)
{
    host_ = form;
    if (!form)
        return;
    // The panel fills the form; a form without a layout gets one.
    if (parentWidget() != form)
        setParent(form);
    QLayout* box = form->layout();
    if (!box) {
        box = new QVBoxLayout(form);
        box->setContentsMargins(0, 0, 0, 0);
    }
    if (box->indexOf(this) < 0)
        box->addWidget(this);
    const QSize want = form->size().expandedTo(size()).boundedTo(QSize(kMaxFormWidth, kMaxFormHeight));
    form->resize(want);
    show();
}

void TSNMPPanel::BT_RefreshClick()
{
    if (!binding_)
        return;
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        binding_->ShowStatus(e.what());
    }
}

void TSNMPPanel::BT_CloseClick()
{
    if (host_) {
        host_->close();
        return;
    }
    KvShowAppMessage(this, QStringLiteral("Please initial close form"));
}
