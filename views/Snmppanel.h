// The frame of every generic view: the content (an edits panel or a list-view
// panel) between a column of buttons at the right and a message memo at the
// bottom, around one edits binding.  The binding is not owned; the host form
// owns it and outlives every use of it by the panel.
#pragma once

#include "Ctrlbtnpanel.h"

#include <QPointer>
#include <QWidget>

class KvSNMPRequest2Edits;
class QSplitter;

class TSNMPPanel : public QWidget {
    Q_OBJECT
public:
    // With msgPanel given, the binding writes into that panel's memo and this
    // panel makes no message area of its own.
    TSNMPPanel(QWidget* parent, TMsgPanel* msgPanel, KvSNMPRequest2Edits* binding);

    // Replaces the content and sizes the panel to it.
    void SetContent(QWidget* content);
    // Puts the panel into the form, which grows to fit it up to 800 x 550.
    void AttachToForm(QWidget* form);

    KvSNMPRequest2Edits* Binding() const { return binding_; }
    TCtrlBtnPanel* CtrlBtnPanel() const { return btnPanel_; }
    // The message panel made here, or none when one was handed in.
    TMsgPanel* OwnMsgPanel() const { return ownMsg_; }
    // The message panel the binding writes into.
    TMsgPanel* MsgPanel() const { return msgPanel_; }
    QWidget* ClientPanel() const { return client_; }
    QWidget* Content() const { return content_; }
    QWidget* HostForm() const { return host_; }
    QSplitter* RightSplitter() const { return rightSplitter_; }
    QSplitter* BottomSplitter() const { return bottomSplitter_; }

    static constexpr int kMaxFormWidth = 800;
    static constexpr int kMaxFormHeight = 550;

    virtual void BT_RefreshClick();
    virtual void BT_CloseClick();

    QSize sizeHint() const override { return size(); }

protected:
    KvSNMPRequest2Edits* binding_;

private:
    TCtrlBtnPanel* btnPanel_ = nullptr;
    QSplitter* rightSplitter_ = nullptr;
    QWidget* client_ = nullptr;
    QSplitter* bottomSplitter_ = nullptr;
    QWidget* contentArea_ = nullptr;
    TMsgPanel* ownMsg_ = nullptr;
    QPointer<TMsgPanel> msgPanel_;
    QPointer<QWidget> host_;
    QPointer<QWidget> content_;
};
