// Message boxes and beeps of the binding layer go through replaceable hooks, so
// that tests and batch runs never block on a modal box or need a sound device.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

struct KvMessageRequest {
    QWidget* Owner = nullptr;
    QString Caption;
    QString Text;
    QMessageBox::StandardButtons Buttons = QMessageBox::Ok;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    // The button Enter presses; NoButton leaves the choice to the box.
    QMessageBox::StandardButton DefaultButton = QMessageBox::NoButton;
};

// Shows the box and gives the button the user chose.
using KvMessagePresenter = std::function<QMessageBox::StandardButton(const KvMessageRequest&)>;
using KvBeeper = std::function<void()>;

// Installs a presenter (an empty one puts the modal QMessageBox back) and gives
// the one it replaces.
KvMessagePresenter KvSetMessagePresenter(KvMessagePresenter presenter);
KvBeeper KvSetBeeper(KvBeeper beeper);

QMessageBox::StandardButton KvShowMessage(const KvMessageRequest& request);
// The question before a row is deleted: "Are you sure to delete ?" followed
// by the row, named by the parts given ("ID: 5", "Device Name: sw5"), with
// Yes and No and No as the default button.
KvMessageRequest KvDeleteQuestion(QWidget* owner, const QStringList& rowParts);

// An OK box captioned with the running executable's file name.
void KvShowAppMessage(QWidget* owner, const QString& text);
void KvBeep();

// A short hint shown at a control for a few seconds (a tooltip under it): why a
// keystroke was dropped, for one.  Tests install a recording presenter.
using KvHintPresenter = std::function<void(QWidget* at, const QString& text)>;
KvHintPresenter KvSetHintPresenter(KvHintPresenter presenter);
void KvShowHint(QWidget* at, const QString& text);

// A copy of every message box text and every status-memo line the views
// write, for runs watched from outside (empty: none).  Installing one gives
// the one it replaces.
using KvNoticeEcho = std::function<void(const QString& line)>;
KvNoticeEcho KvSetNoticeEcho(KvNoticeEcho echo);
void KvEchoNotice(const QString& line);

// File name of the running executable, without its folder.
QString KvExecutableFileName();

// Installs a presenter / beeper for one scope and puts the previous one back.
class KvScopedMessagePresenter {
public:
    explicit KvScopedMessagePresenter(KvMessagePresenter p) : old_(KvSetMessagePresenter(std::move(p))) {}
    ~KvScopedMessagePresenter() { KvSetMessagePresenter(std::move(old_)); }
    KvScopedMessagePresenter(const KvScopedMessagePresenter&) = delete;
    KvScopedMessagePresenter& operator=(const KvScopedMessagePresenter&) = delete;
private:
    KvMessagePresenter old_;
};

class KvScopedHintPresenter {
public:
    explicit KvScopedHintPresenter(KvHintPresenter p) : old_(KvSetHintPresenter(std::move(p))) {}
    ~KvScopedHintPresenter() { KvSetHintPresenter(std::move(old_)); }
    KvScopedHintPresenter(const KvScopedHintPresenter&) = delete;
    KvScopedHintPresenter& operator=(const KvScopedHintPresenter&) = delete;
private:
    KvHintPresenter old_;
};

class KvScopedBeeper {
public:
    explicit KvScopedBeeper(KvBeeper b) : old_(KvSetBeeper(std::move(b))) {}
    ~KvScopedBeeper() { KvSetBeeper(std::move(old_)); }
    KvScopedBeeper(const KvScopedBeeper&) = delete;
    KvScopedBeeper& operator=(const KvScopedBeeper&) = delete;
private:
    KvBeeper old_;
};
