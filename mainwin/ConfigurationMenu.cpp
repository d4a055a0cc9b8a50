#include "ConfigurationMenu.h"

#include "ConfigurationCommands.h"
#include "SnapshotSources.h"
#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"
#include "snapshot/SnapshotReader.h"
#include "snapshot/SnapshotRestore.h"
#include "views/Listviewpanel.h"
#include "views/TableFilter.h"
#include "views/Viewmodal.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QEventLoop>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("Configuration");
const QString kFileFilter = QStringLiteral("Snapshots (*.snap);;All files (*)");

QString FromUtf8(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void Say(QWidget* owner, const QString& text, QMessageBox::Icon icon)
{
    KvMessageRequest r;
    r.Owner = owner;
    r.Caption = kCaption;
    r.Text = text;
    r.Icon = icon;
    KvShowMessage(r);
}

bool Ask(QWidget* owner, const QString& text)
{
    KvMessageRequest r;
    r.Owner = owner;
    r.Caption = kCaption;
    r.Text = text;
    r.Buttons = QMessageBox::Yes | QMessageBox::No;
    r.Icon = QMessageBox::Warning;
    return KvShowMessage(r) == QMessageBox::Yes;
}

std::optional<KvSnapshot> ReadFile(QWidget* owner, const QString& path)
{
    try {
        return KvReadSnapshotFile(path.toStdString());
    } catch (const KvSNMPException& e) {
        Say(owner, FromUtf8(e.Message()), QMessageBox::Critical);
        return std::nullopt;
    }
}

enum Column { ViewColumn, KeyColumn, CaptionColumn, LeftColumn, RightColumn, KindColumn };

} // namespace

std::optional<KvSnapshot> ReadSwitchSnapshot(QWidget* owner, bool withSecrets)
{
    const SnapshotModel& model = ModuleSnapshotModel();
    SnapshotReader reader(model, withSecrets, SnapshotModuleText());
    QProgressDialog progress(QStringLiteral("Reading the switch's settings…"), QStringLiteral("Cancel"), 0,
                             static_cast<int>(model.Tables().size()), owner);
    progress.setWindowTitle(kCaption);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QEventLoop loop;
    std::optional<KvSNMPError> outcome;
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&] {
        reader.Cancel();
        loop.quit();
    });
    reader.Start(
        [&](const KvSNMPError& e) {
            outcome = e;
            loop.quit();
        },
        [&](int done, int) { progress.setValue(done); });
    if (!outcome)
        loop.exec();
    progress.reset();
    if (!outcome)
        return std::nullopt;   // cancelled
    if (outcome->Code != 0) {
        Say(owner, QStringLiteral("The switch's settings could not be read: %1").arg(FromUtf8(outcome->Message)),
            QMessageBox::Critical);
        return std::nullopt;
    }
    return std::move(reader.Result());
}

bool SaveSnapshotTo(QWidget* owner, const QString& path, bool withSecrets)
{
    std::optional<KvSnapshot> snapshot = ReadSwitchSnapshot(owner, withSecrets);
    if (!snapshot)
        return false;
    try {
        KvWriteSnapshotFile(*snapshot, path.toStdString());
    } catch (const KvSNMPException& e) {
        Say(owner, FromUtf8(e.Message()), QMessageBox::Critical);
        return false;
    }
    int withheld = 0;
    for (const KvSnapshotLine& l : snapshot->Lines)
        withheld += l.State == KvSnapshotState::Withheld;
    QString text = QStringLiteral("%1 objects saved to %2.").arg(snapshot->Lines.size()).arg(path);
    if (withheld)
        text += QStringLiteral("\n%1 secrets were withheld.").arg(withheld);
    Say(owner, text, QMessageBox::Information);
    return true;
}

void CompareWithSnapshot(QWidget* owner, const QString& path, bool restore)
{
    std::optional<KvSnapshot> saved = ReadFile(owner, path);
    if (!saved)
        return;
    std::optional<KvSnapshot> now = ReadSwitchSnapshot(owner, saved->Header.Secrets);
    if (!now)
        return;
    TSnapshotCompareForm form(owner, std::move(*saved), std::move(*now), QStringLiteral("Snapshot"),
                              QStringLiteral("Switch"), true);
    form.setWindowTitle((restore ? QStringLiteral("Restore from %1") : QStringLiteral("Compare with %1"))
                            .arg(QFileInfo(path).fileName()));
    TRunModal(form);
}

// ---- the compare window ------------------------------------------------------------

TSnapshotCompareForm::TSnapshotCompareForm(QWidget* owner, KvSnapshot left, KvSnapshot right, const QString& leftName,
                                           const QString& rightName, bool againstSwitch)
    : QDialog(owner), left_(std::move(left)), right_(std::move(right)), leftName_(leftName), rightName_(rightName),
      againstSwitch_(againstSwitch)
{
    auto* box = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    box->addWidget(summary_);
    list_ = new TListViewPanel(this, nullptr);
    box->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    restore_ = new QPushButton(QStringLiteral("Restore…"), this);
    restore_->setToolTip(QStringLiteral("Writes the ticked snapshot values back to the switch"));
    restore_->setVisible(againstSwitch_);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    buttons->addStretch(1);
    buttons->addWidget(restore_);
    buttons->addWidget(close);
    box->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(restore_, &QPushButton::clicked, this, &TSnapshotCompareForm::Restore);
    connect(list_->ListView, &QTreeWidget::itemChanged, this, &TSnapshotCompareForm::UpdateButtons);
    resize(980, 560);
    Fill();
}

void TSnapshotCompareForm::Fill()
{
    const SnapshotModel& model = ModuleSnapshotModel();
    differences_ = CompareSnapshots(model, left_, right_);
    QTreeWidget* view = list_->ListView;
    const QSignalBlocker quiet(view);
    view->clear();
    view->setColumnCount(6);
    view->setHeaderLabels({QStringLiteral("View"), QStringLiteral("Key"), QStringLiteral("Column"), leftName_,
                           rightName_, QStringLiteral("Difference")});
    view->setRootIsDecorated(false);
    QList<QTreeWidgetItem*> items;
    for (const SnapshotDifference& d : differences_) {
        auto* item = new QTreeWidgetItem;
        item->setText(ViewColumn, FromUtf8(d.View));
        item->setText(KeyColumn, FromUtf8(d.Key));
        item->setText(CaptionColumn, FromUtf8(d.ColumnCaption));
        item->setText(LeftColumn, FromUtf8(d.LeftShown));
        item->setText(RightColumn, FromUtf8(d.RightShown));
        item->setText(KindColumn, FromUtf8(DifferenceKindText(d, leftName_.toLower().toStdString(),
                                                               rightName_.toLower().toStdString())));
        if (againstSwitch_ && CanRestore(model, d)) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(ViewColumn, RestoreByDefault(d) ? Qt::Checked : Qt::Unchecked);
        }
        items.push_back(item);
    }
    view->addTopLevelItems(items);
    for (int c = 0; c < view->columnCount(); ++c)
        view->resizeColumnToContents(c);
    for (int c = 0; c < view->columnCount(); ++c)
        view->setColumnWidth(c, std::min(view->columnWidth(c) + 12, 300));
    list_->Filter->ShowCount();
    const QString agent = FromUtf8(left_.Header.SysName.empty() ? left_.Header.Agent : left_.Header.SysName);
    QString text = differences_.empty()
        ? QStringLiteral("No differences: the %1 and the %2 hold the same settings.").arg(leftName_.toLower(),
                                                                                          rightName_.toLower())
        : QStringLiteral("%1 differences.").arg(differences_.size());
    text += QStringLiteral("  %1 of %2 taken %3.").arg(leftName_, agent, FromUtf8(left_.Header.Time));
    if (!SameSwitchModel(left_.Header.SysObjectId, right_.Header.SysObjectId))
        text += QStringLiteral("  The %1 is of another switch model (sysObjectID %2, the %3's %4).")
                    .arg(leftName_.toLower(), FromUtf8(left_.Header.SysObjectId), rightName_.toLower(),
                         FromUtf8(right_.Header.SysObjectId));
    summary_->setText(text);
    UpdateButtons();
}

std::vector<int> TSnapshotCompareForm::Chosen() const
{
    std::vector<int> chosen;
    const QTreeWidget* view = list_->ListView;
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = view->topLevelItem(i);
        if ((item->flags() & Qt::ItemIsUserCheckable) && item->checkState(ViewColumn) == Qt::Checked)
            chosen.push_back(i);
    }
    return chosen;
}

void TSnapshotCompareForm::UpdateButtons()
{
    restore_->setEnabled(!Chosen().empty());
}

void TSnapshotCompareForm::Restore()
{
    const SnapshotModel& model = ModuleSnapshotModel();
    const std::vector<SnapshotSet> plan = PlanRestore(model, left_, differences_, Chosen());
    if (plan.empty())
        return;
    if (!SameSwitchModel(left_.Header.SysObjectId, right_.Header.SysObjectId)
        && !Ask(this, QStringLiteral("The snapshot was taken of another switch model (sysObjectID %1; this switch "
                                     "is %2).  Its settings may not fit this switch.\n\nRestore anyway?")
                          .arg(FromUtf8(left_.Header.SysObjectId), FromUtf8(right_.Header.SysObjectId))))
        return;

    // The SETs, listed before anything is sent.
    QDialog confirm(this);
    confirm.setWindowTitle(QStringLiteral("Restore from Snapshot"));
    auto* box = new QVBoxLayout(&confirm);
    auto* intro = new QLabel(QStringLiteral("These %1 SET requests will be sent to %2, in this order; the first "
                                            "refusal stops the rest.")
                                 .arg(plan.size())
                                 .arg(FromUtf8(DefaultDevice.Address)),
                             &confirm);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    box->addWidget(intro);
    auto* sets = new QPlainTextEdit(&confirm);
    sets->setReadOnly(true);
    sets->setLineWrapMode(QPlainTextEdit::NoWrap);
    sets->setPlainText(FromUtf8(RestorePlanText(plan)));
    box->addWidget(sets, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &confirm);
    buttons->addButton(QStringLiteral("Send %1 SETs").arg(plan.size()), QDialogButtonBox::AcceptRole);
    box->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &confirm, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &confirm, &QDialog::reject);
    confirm.resize(820, 420);
    if (TRunModal(confirm) != QDialog::Accepted)
        return;

    restore_->setEnabled(false);
    const SnapshotRestoreReport report = RestoreSnapshot(plan);
    Say(this, FromUtf8(report.Text(plan)),
        report.RefusedSet >= 0 ? QMessageBox::Warning : QMessageBox::Information);
    if (std::optional<KvSnapshot> now = ReadSwitchSnapshot(this, left_.Header.Secrets)) {
        right_ = std::move(*now);
        Fill();
    } else {
        UpdateButtons();
    }
}

// ---- the save dialog -----------------------------------------------------------------

TSaveSnapshotForm::TSaveSnapshotForm(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Save Snapshot"));
    auto* box = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("File:"), this));
    path_ = new QLineEdit(this);
    row->addWidget(path_, 1);
    auto* browse = new QPushButton(QStringLiteral("Browse…"), this);
    row->addWidget(browse);
    box->addLayout(row);
    secrets_ = new QCheckBox(QStringLiteral("Save communities, keys and passwords too"), this);
    secrets_->setToolTip(QStringLiteral("Without it they are listed as withheld; the file is readable by you only "
                                        "either way"));
    box->addWidget(secrets_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    box->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!path_->text().trimmed().isEmpty())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getSaveFileName(this, windowTitle(), path_->text(), kFileFilter);
        if (!chosen.isEmpty())
            path_->setText(chosen);
    });
    const QString name = FromUtf8(DefaultDevice.Address) + QStringLiteral(".snap");
    path_->setText(QDir::current().filePath(name));
    resize(560, sizeHint().height());
}

QString TSaveSnapshotForm::Path() const
{
    return path_->text().trimmed();
}

bool TSaveSnapshotForm::WithSecrets() const
{
    return secrets_->isChecked();
}

// ---- the menu ------------------------------------------------------------------------

void AddConfigurationMenu(QMainWindow& window)
{
    auto* menu = new QMenu(QStringLiteral("Configuration"), &window);
    menu->setObjectName(QStringLiteral("Configuration"));
    QWidget* owner = &window;
    QAction* save = menu->addAction(QStringLiteral("Save Snapshot…"), owner, [owner] {
        TSaveSnapshotForm form(owner);
        if (TRunModal(form) == QDialog::Accepted)
            SaveSnapshotTo(owner, form.Path(), form.WithSecrets());
    });
    save->setObjectName(QStringLiteral("SaveSnapshot"));
    auto choose = [owner](const QString& title) {
        return QFileDialog::getOpenFileName(owner, title, QString(), kFileFilter);
    };
    QAction* compare = menu->addAction(QStringLiteral("Compare with Snapshot…"), owner, [owner, choose] {
        const QString path = choose(QStringLiteral("Compare with Snapshot"));
        if (!path.isEmpty())
            CompareWithSnapshot(owner, path, false);
    });
    compare->setObjectName(QStringLiteral("CompareSnapshot"));
    QAction* restore = menu->addAction(QStringLiteral("Restore from Snapshot…"), owner, [owner, choose] {
        const QString path = choose(QStringLiteral("Restore from Snapshot"));
        if (!path.isEmpty())
            CompareWithSnapshot(owner, path, true);
    });
    restore->setObjectName(QStringLiteral("RestoreSnapshot"));
    // Our own menu sits before Help, which stays last.
    QMenuBar* bar = window.menuBar();
    const QList<QAction*> entries = bar->actions();
    QAction* help = entries.isEmpty() ? nullptr : entries.back();
    bar->insertMenu(help, menu);
}
