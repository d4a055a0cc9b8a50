#include "HelpWindow.h"

#include "KswResources.h"
#include "KvUserNotice.h"
#include "startup/ShippedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow::THelpWindow(QWidget* parent)
    : QDialog(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("KSW-4800 Help"));
    setWindowIcon(ModuleIcon());
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    // Links inside the file move within it; nothing is handed to other programs.
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(720, 560);
}

bool THelpWindow::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray html = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    browser_->setSearchPaths({QFileInfo(path).absolutePath()});
    browser_->setHtml(QString::fromUtf8(html));
    return true;
}

QString HelpFilePath()
{
    return QString::fromStdString(ShippedFilePath(kHelpFileName));
}

THelpWindow* ShowHelp(QWidget& owner, const QString& path, const HelpMessagePresenter& present)
{
    // Like a help viewer, the process has one help window; it is reused while
    // it is open for the same owner.
    static QPointer<THelpWindow> current;

    const QFileInfo info(path);
    const bool readable = info.isFile() && info.isReadable();
    THelpWindow* help = current && current->parentWidget() == &owner ? current.data() : nullptr;
    if (!help && readable) {
        help = new THelpWindow(&owner);
        help->setAttribute(Qt::WA_DeleteOnClose);
        current = help;
    }
    if (!readable || !help->Load(path)) {
        const QString text = QStringLiteral("Cannot open the help file \"%1\".").arg(QDir::toNativeSeparators(path));
        const QString caption = QStringLiteral("Help");
        if (present)
            present(&owner, caption, text);
        else
            KvShowMessage({&owner, caption, text, QMessageBox::Ok, QMessageBox::Warning});
        return nullptr;
    }
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}
