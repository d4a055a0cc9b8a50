// The main window of the module.
#pragma once

#include <QMainWindow>

#include <memory>
#include <string>
#include <vector>

#include "MessagePresenter.h"

class QFrame;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // arguments: the command line without the program name.  presenter shows the
    // window's message boxes (null: real message boxes).
    explicit TMainForm(std::vector<std::string> arguments, std::shared_ptr<TMessagePresenter> presenter = nullptr,
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // Brings the window to the front, restoring it when minimised.
    void BringForward();

    // True when start-up found nothing to do and asked the application to end.
    bool TerminateRequested() const { return terminateRequested_; }

    TMessagePresenter& Presenter() const { return *presenter_; }

    // Client-area size of the window as designed (that of Panel1).
    static constexpr int DesignedClientWidth = 874;
    static constexpr int DesignedClientHeight = 100;

    QFrame* Panel1 = nullptr;

private:
    void FormCreate();
    void LoadMessageCatalogues();

    std::vector<std::string> arguments_;
    std::shared_ptr<TMessagePresenter> presenter_;
    bool terminateRequested_ = false;
};
