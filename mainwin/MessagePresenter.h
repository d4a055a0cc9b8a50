// How the main window shows its message boxes.  The default shows real boxes;
// tests install one that records the texts, so that nothing waits for a click.
#pragma once

#include <QString>

class QWidget;

class TMessagePresenter {
public:
    virtual ~TMessagePresenter() = default;
    // An information box with an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // An error box with an OK button.
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
};

// Modal message boxes captioned with the application's name.
class TMessageBoxPresenter : public TMessagePresenter {
public:
    void ShowMessage(QWidget* parent, const QString& text) override;
    void ShowError(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
};
