#include "Guiconfigform.h"

#include "Formplace.h"
#include "Listviewpanel.h"
#include "Snmpeditorpanel.h"

#include "KvSNMPRequest2Edits.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace {

// Posted by the constructor; arrives once the form's modal loop runs.
const QEvent::Type kFirstRefresh = static_cast<QEvent::Type>(QEvent::registerEventType());

// Longest a closing form waits for one binding: an outstanding request ends
// with its response or its time-out well before this.
int DrainLimitMs(const KvSNMPRequest2Edits& b)
{
    const KvSNMPRequest& r = b.Request();
    return std::max(0, r.Timeout) * 10 * (std::max(0, r.Retries) + 1) + 2000;
}

} // namespace

TConfigForm::TConfigForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ConfigForm"));
    setWindowTitle(QStringLiteral("ConfigForm"));
    resize(159, 105);
    TCentreOnMainWindow(this);
    connect(this, &QDialog::finished, this, &TConfigForm::FormClose);
    QCoreApplication::postEvent(this, new QEvent(kFirstRefresh));
}

TConfigForm::~TConfigForm()
{
    FormClose();
}

bool TConfigForm::event(QEvent* e)
{
    if (e->type() == kFirstRefresh) {
        RefreshCurrent();
        return true;
    }
    return QDialog::event(e);
}

void TConfigForm::Adopt(KvSNMPRequest2Edits* binding)
{
    if (binding)
        bindings_.emplace_back(binding);
}

void TConfigForm::RequireType(int wanted, const char* error) const
{
    if (type_ != wanted)
        throw LibraryError(KvUnknownErrorCode, error);
}

void TConfigForm::FitClientArea(QSize size)
{
    resize(this->size().expandedTo(size));
}

TSNMPEditorPanel* TConfigForm::AddEditorPanel(KvSNMPRequest2Edits* binding)
{
    std::unique_ptr<KvSNMPRequest2Edits> hold(binding);
    RequireType(NoView, "Can not change Type of a Config Form!");
    type_ = EditorView;
    Adopt(hold.release());
    auto* panel = new TSNMPEditorPanel(this, binding);
    panels_.push_back(panel);
    panel->AttachToForm(this);
    FitClientArea(panel->size());
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPanel(KvSNMPRequest2Edits* binding, int addStatusRow,
                                                  const QString& addValue, int deleteStatusRow,
                                                  const QString& deleteValue)
{
    std::unique_ptr<KvSNMPRequest2Edits> hold(binding);
    RequireType(NoView, "Can not change Type of a Config Form!");
    type_ = ListViewView;
    Adopt(hold.release());
    auto* panel = new TSNMPListViewPanel(this, binding);
    panels_.push_back(panel);
    panel->AttachToForm(this);
    FitClientArea(panel->size());
    if (!addValue.isEmpty())
        panel->SetAddStatus(addStatusRow, addValue);
    if (!deleteValue.isEmpty())
        panel->SetDeleteStatus(deleteStatusRow, deleteValue);
    return panel;
}

void TConfigForm::MakePaged()
{
    RequireType(NoView, "Can not change Type of a Config Form!");
    type_ = PagedView;
    pages_ = new QTabWidget(this);
    pages_->tabBar()->setExpanding(false);
    pages_->setUsesScrollButtons(false);   // tabs wrap instead of scrolling
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(pages_);
    connect(pages_, &QTabWidget::currentChanged, this, [this] { RefreshCurrent(); });
}

void TConfigForm::PlacePage(const QString& caption, TSNMPPanel* panel)
{
    QWidget* page = panel->parentWidget();
    page->setObjectName(caption);
    auto* box = new QVBoxLayout(page);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(panel);
    page->resize(page->size().expandedTo(panel->size()));
    {
        // Adding the first page makes it current; the form reads it once it runs.
        const QSignalBlocker quiet(pages_);
        const int index = pages_->addTab(page, caption);
        page->setProperty("tag", index);
    }
    const int tabHeight = pages_->tabBar()->sizeHint().height();
    const QSize want(page->width(), tabHeight + page->height());
    pages_->resize(pages_->size().expandedTo(want));
    FitClientArea(pages_->size());
    // A panel on a page has no host of its own: its Close button closes the form.
    disconnect(panel->CtrlBtnPanel()->BT_Close, &QPushButton::clicked, panel, &TSNMPPanel::BT_CloseClick);
    connect(panel->CtrlBtnPanel()->BT_Close, &QPushButton::clicked, this, &QWidget::close);
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(const QString& caption, KvSNMPRequest2Edits* binding)
{
    std::unique_ptr<KvSNMPRequest2Edits> hold(binding);
    RequireType(PagedView, "Can not add editor page to a none-page pannel!");
    Adopt(hold.release());
    auto* page = new QWidget;
    page->setWindowTitle(caption);
    auto* panel = new TSNMPEditorPanel(page, binding);
    panels_.push_back(panel);
    PlacePage(caption, panel);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPage(const QString& caption, KvSNMPRequest2Edits* binding,
                                                 int addStatusRow, const QString& addValue,
                                                 int deleteStatusRow, const QString& deleteValue)
{
    std::unique_ptr<KvSNMPRequest2Edits> hold(binding);
    RequireType(PagedView, "Can not add listview page to a none-page pannel!");
    Adopt(hold.release());
    auto* page = new QWidget;
    page->setWindowTitle(caption);
    auto* panel = new TSNMPListViewPanel(page, binding);
    panels_.push_back(panel);
    PlacePage(caption, panel);
    if (!addValue.isEmpty())
        panel->SetAddStatus(addStatusRow, addValue);
    if (!deleteValue.isEmpty())
        panel->SetDeleteStatus(deleteStatusRow, deleteValue);
    return panel;
}

void TConfigForm::RefreshCurrent()
{
    KvSNMPRequest2Edits* chosen = nullptr;
    switch (type_) {
    case NoView:
        return;
    case EditorView:
    case ListViewView:
        if (bindings_.empty())
            return;   // closed already
        chosen = bindings_.front().get();
        break;
    case PagedView: {
        if (!pages_ || pages_->count() == 0 || pages_->currentIndex() < 0)
            return;
        const int tag = pages_->currentWidget()->property("tag").toInt();
        if (tag < 0 || tag >= static_cast<int>(bindings_.size()))
            return;
        chosen = bindings_[static_cast<std::size_t>(tag)].get();
        break;
    }
    default:
        throw LibraryError(KvUnknownErrorCode, "Refresh a Form with unknown Form Type!");
    }
    if (current_ && current_ != chosen)
        current_->Request().Alive = false;
    chosen->Request().Alive = true;
    current_ = chosen;
    // Back on a page whose walk was told to stop but has not yet seen its next
    // response: with the request alive again that walk simply goes on, and a
    // second walk into the same list would interleave rows.
    if (chosen->Busy())
        return;
    try {
        chosen->Get();
    } catch (const std::exception& e) {
        chosen->ShowStatus(e.what());
    }
}

void TConfigForm::FormClose()
{
    current_ = nullptr;
    for (auto& b : bindings_) {
        b->Request().Alive = false;
        if (b->Busy()) {
            // Responses keep arriving through the event pump while we wait; the
            // user's input waits, so nothing can reopen work on a closing form.
            // The tick only bounds each wait, so the time limit is seen.
            QTimer tick;
            tick.start(50);
            const QDeadlineTimer limit(DrainLimitMs(*b));
            while (b->Busy() && !limit.hasExpired())
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
        }
        b.reset();
    }
    bindings_.clear();
}
