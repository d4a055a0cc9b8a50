// The module's help: an HTML file beside the executable shown in its own
// window, which stays open beside the main window like a help viewer.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QTextBrowser;

// File name of the help file in the executable's folder.
inline constexpr const char* kHelpFileName = "KSW-4800dr3.html";

// Shows a message to the user: parent, caption, text.  Tests put their own in.
using HelpMessagePresenter = std::function<void(QWidget*, const QString&, const QString&)>;

class THelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Loads an HTML file; false (and nothing changed) when it cannot be read.
    bool Load(const QString& path);
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// Path of the help file: the executable's folder + kHelpFileName.
QString HelpFilePath();

// Opens the help file in a help window owned by `owner` (reused and brought
// forward when already open).  A missing or unreadable file is
// reported through `present` (default: a warning box through the
// process-wide message hook) and gives null.
THelpWindow* ShowHelp(QWidget& owner, const QString& path = HelpFilePath(),
                      const HelpMessagePresenter& present = {});
