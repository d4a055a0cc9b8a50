// "Go to View…": finds a menu item by typing words of its caption or of the
// menu path above it, and opens it as its menu entry does; and the list of
// every item's name and path that "--open --list" prints.
#pragma once

#include "mainwin/MainMenu.h"

#include <QDialog>
#include <QString>

#include <span>
#include <string>
#include <vector>

class QLineEdit;
class QMainWindow;
class QTreeWidget;

// The items the user could choose from the menu now (not the submenus, whose
// action runs as they open, nor "Go to View…" itself), in menu order.
std::vector<MainMenuPlace> ChoosablePlaces(const TMainMenu& menu);

// The places that hold every word of the query (any letter case) in their
// caption, menu path or name; best first: the caption is the query, begins
// with it, holds every word, then the rest; menu order among equals.  An
// empty query finds every place.
std::vector<const MainMenuPlace*> FindMenuPlaces(std::span<const MainMenuPlace> places, const QString& query);

// The search box: the query above the matches, one row each (caption, menu
// path, --open name).  Enter takes the current match, the first one unless
// the arrow keys moved it; a double click takes the clicked one.
class TGoToViewForm : public QDialog {
    Q_OBJECT
public:
    explicit TGoToViewForm(std::vector<MainMenuPlace> places, QWidget* parent = nullptr);

    QLineEdit* Query;
    QTreeWidget* Matches;

    // The name of the item taken; empty before one is.
    const QString& Chosen() const { return chosen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refill();
    void Take();

    std::vector<MainMenuPlace> places_;
    QString chosen_;
};

// Asks for an item and runs the one taken exactly as its menu entry does.
void GoToView(QMainWindow& window, const TMainMenu& menu);

// "Go to View…": the main window's command.
void GoToViewClick(QMainWindow& window);

// One line per item with an action: its name as --open takes it, then its
// menu path; items the menu does not show are marked.
std::string MenuItemListText();
