#include "mainwin/ViewFinder.h"

#include "mainwin/Mainunit.h"
#include "views/Viewmodal.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum MatchColumn { CaptionColumn, PathColumn, NameColumn };

// How well a place matches the words typed; lower is better, -1 no match.
int MatchRank(const MainMenuPlace& place, const QStringList& words)
{
    auto holdsAll = [&words](const QString& text) {
        return std::all_of(words.begin(), words.end(),
                           [&text](const QString& w) { return text.contains(w, Qt::CaseInsensitive); });
    };
    // The path ends with the caption.
    if (!holdsAll(place.Path + QLatin1Char(' ') + place.Name))
        return -1;
    const QString typed = words.join(QLatin1Char(' '));
    if (place.Caption.compare(typed, Qt::CaseInsensitive) == 0)
        return 0;
    if (place.Caption.startsWith(typed, Qt::CaseInsensitive))
        return 1;
    return holdsAll(place.Caption) ? 2 : 3;
}

} // namespace

std::vector<MainMenuPlace> ChoosablePlaces(const TMainMenu& menu)
{
    std::vector<MainMenuPlace> places;
    for (MainMenuPlace& place : MainMenuPlaces())
        if (!place.Submenu && place.Name != QLatin1String(kGoToViewItem) && menu.CanChoose(place.Name))
            places.push_back(std::move(place));
    return places;
}

std::vector<const MainMenuPlace*> FindMenuPlaces(std::span<const MainMenuPlace> places, const QString& query)
{
    const QStringList words = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<std::pair<int, const MainMenuPlace*>> ranked;
    for (const MainMenuPlace& place : places)
        if (const int rank = MatchRank(place, words); rank >= 0)
            ranked.emplace_back(rank, &place);
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const MainMenuPlace*> found;
    found.reserve(ranked.size());
    for (const auto& [rank, place] : ranked)
        found.push_back(place);
    return found;
}

TGoToViewForm::TGoToViewForm(std::vector<MainMenuPlace> places, QWidget* parent)
    : QDialog(parent), Query(new QLineEdit(this)), Matches(new QTreeWidget(this)), places_(std::move(places))
{
    setObjectName(QStringLiteral("GoToViewForm"));
    setWindowTitle(QStringLiteral("Go to View"));

    auto* prompt = new QLabel(QStringLiteral("&Words of the view's name or menu:"), this);
    prompt->setBuddy(Query);
    Query->setObjectName(QStringLiteral("Query"));
    Query->setClearButtonEnabled(true);
    Query->installEventFilter(this);

    Matches->setObjectName(QStringLiteral("Matches"));
    Matches->setRootIsDecorated(false);
    Matches->setUniformRowHeights(true);
    Matches->setAllColumnsShowFocus(true);
    Matches->setHeaderLabels({QStringLiteral("View"), QStringLiteral("Menu"), QStringLiteral("--open name")});
    // The path takes the room the caption and the name leave; its tip holds it whole.
    Matches->header()->setStretchLastSection(false);
    Matches->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Matches->header()->setSectionResizeMode(PathColumn, QHeaderView::Stretch);

    // Enter is the query's: no button takes it as the default.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* b : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(b))
            push->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(Query);
    layout->addWidget(Matches, 1);
    layout->addWidget(buttons);

    connect(Query, &QLineEdit::textChanged, this, &TGoToViewForm::Refill);
    connect(Query, &QLineEdit::returnPressed, this, &TGoToViewForm::Take);
    connect(Matches, &QTreeWidget::itemActivated, this, &TGoToViewForm::Take);
    connect(buttons, &QDialogButtonBox::accepted, this, &TGoToViewForm::Take);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    Refill();
    resize(900, 480);
    Query->setFocus();
}

void TGoToViewForm::Refill()
{
    Matches->clear();
    for (const MainMenuPlace* place : FindMenuPlaces(places_, Query->text())) {
        auto* row = new QTreeWidgetItem(Matches, {place->Caption, place->Menu, place->Name});
        row->setData(CaptionColumn, Qt::UserRole, place->Name);
        row->setToolTip(PathColumn, place->Path);
    }
    Matches->setCurrentItem(Matches->topLevelItem(0));
}

void TGoToViewForm::Take()
{
    const QTreeWidgetItem* current = Matches->currentItem();
    if (!current)
        return;   // nothing matches: the query stays open for another try
    chosen_ = current->data(CaptionColumn, Qt::UserRole).toString();
    accept();
}

bool TGoToViewForm::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow and page keys move through the matches while the typing goes on.
    if (watched == Query && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(Matches, event);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void GoToView(QMainWindow& window, const TMainMenu& menu)
{
    TGoToViewForm form(ChoosablePlaces(menu), &window);
    if (TRunModal(form) != QDialog::Accepted || form.Chosen().isEmpty())
        return;
    // The entry's own action: whatever the menu does for it, this does.
    if (QAction* action = menu.Action(form.Chosen()))
        action->trigger();
}

void GoToViewClick(QMainWindow& window)
{
    if (auto* form = qobject_cast<TMainForm*>(&window); form && form->MainMenu)
        GoToView(window, *form->MainMenu);
}

std::string MenuItemListText()
{
    const std::vector<MainMenuPlace> places = MainMenuPlaces();
    qsizetype width = 0;
    for (const MainMenuPlace& place : places)
        width = std::max(width, place.Name.size());
    QString text;
    for (const MainMenuPlace& place : places) {
        text += place.Name.leftJustified(width + 2) + place.Path;
        if (place.Hidden)
            text += QStringLiteral("  (not shown in the menu)");
        text += QLatin1Char('\n');
    }
    return text.toStdString();
}
