// The main window of the module.
#pragma once

#include <QMainWindow>

#include <string>
#include <vector>

class QFrame;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // arguments: the command line without the program name.  Message boxes go
    // through the binding layer's message hook (KvShowMessage).
    explicit TMainForm(std::vector<std::string> arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Brings the window to the front, restoring it when minimised.
    void BringForward();

    // True when start-up found nothing to do: the process ends without entering
    // its message loop.
    bool TerminateRequested() const { return terminateRequested_; }

    // Client-area size of the window as designed (that of Panel1).
    static constexpr int DesignedClientWidth = 874;
    static constexpr int DesignedClientHeight = 100;

    QFrame* Panel1 = nullptr;

private:
    void FormCreate();
    void LoadMessageCatalogues();
    void ShowError(const QString& text);

    std::vector<std::string> arguments_;
    bool terminateRequested_ = false;
};
