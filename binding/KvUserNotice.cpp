#include "KvUserNotice.h"

#include "binding/KvPlainText.h"

#include <QApplication>
#include <QFileInfo>
#include <QToolTip>
#include <QWidget>

namespace {

QMessageBox::StandardButton ModalBox(const KvMessageRequest& r)
{
    QMessageBox box(r.Icon, r.Caption, QString(), r.Buttons, r.Owner);
    // Texts carry agent values and file names: never rich text.
    box.setTextFormat(Qt::PlainText);
    box.setText(r.Text);
    if (r.DefaultButton != QMessageBox::NoButton)
        box.setDefaultButton(r.DefaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

KvMessagePresenter& Presenter()
{
    static KvMessagePresenter p;
    return p;
}

KvBeeper& Beeper()
{
    static KvBeeper b;
    return b;
}

KvHintPresenter& HintPresenter()
{
    static KvHintPresenter p;
    return p;
}

KvNoticeEcho& Echo()
{
    static KvNoticeEcho e;
    return e;
}

} // namespace

KvNoticeEcho KvSetNoticeEcho(KvNoticeEcho echo)
{
    KvNoticeEcho old = std::move(Echo());
    Echo() = std::move(echo);
    return old;
}

void KvEchoNotice(const QString& line)
{
    if (Echo())
        Echo()(line);
}

KvMessagePresenter KvSetMessagePresenter(KvMessagePresenter presenter)
{
    KvMessagePresenter old = std::move(Presenter());
    Presenter() = std::move(presenter);
    return old;
}

KvBeeper KvSetBeeper(KvBeeper beeper)
{
    KvBeeper old = std::move(Beeper());
    Beeper() = std::move(beeper);
    return old;
}

QMessageBox::StandardButton KvShowMessage(const KvMessageRequest& request)
{
    KvEchoNotice(request.Caption + QStringLiteral(": ") + request.Text);
    return Presenter() ? Presenter()(request) : ModalBox(request);
}

KvMessageRequest KvDeleteQuestion(QWidget* owner, const QStringList& rowParts)
{
    KvMessageRequest r;
    r.Owner = owner;
    r.Caption = QStringLiteral("Delete");
    r.Text = QStringLiteral("Are you sure to delete ?");
    if (!rowParts.isEmpty())
        r.Text += QStringLiteral("\n\n") + rowParts.join(QStringLiteral(", "));
    r.Buttons = QMessageBox::Yes | QMessageBox::No;
    r.Icon = QMessageBox::Question;
    // A delete cannot be taken back: Enter alone must not do it.
    r.DefaultButton = QMessageBox::No;
    return r;
}

void KvShowAppMessage(QWidget* owner, const QString& text)
{
    KvMessageRequest r;
    r.Owner = owner;
    r.Caption = KvExecutableFileName();
    r.Text = text;
    KvShowMessage(r);
}

void KvBeep()
{
    // The toolkit's beep has no pitch or length; the alert sound stands for the
    // 1000 Hz, 200 ms tone.
    if (Beeper())
        Beeper()();
    else
        QApplication::beep();
}

KvHintPresenter KvSetHintPresenter(KvHintPresenter presenter)
{
    KvHintPresenter old = std::move(HintPresenter());
    HintPresenter() = std::move(presenter);
    return old;
}

void KvShowHint(QWidget* at, const QString& text)
{
    if (HintPresenter()) {
        HintPresenter()(at, text);
        return;
    }
    if (!at || !at->isVisible())
        return;
    constexpr int kShownMs = 4000;
    // The hint names typed characters: "<" must not start markup.
    QToolTip::showText(at->mapToGlobal(QPoint(0, at->height())), KvPlainHint(text), at, {}, kShownMs);
}

QString KvExecutableFileName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}
