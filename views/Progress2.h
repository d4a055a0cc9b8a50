// A small self-closing progress window shown while the module waits for the
// agent to settle after a change (for example a spanning-tree version switch).
// The bar runs round and round; the window closes itself after a number of
// timer ticks.  The caller sets the caption and the prompt in LB_Prompt.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;

class TProgressForm2 : public QDialog {
    Q_OBJECT
public:
    // owner: the widget that owns the form once it is detached (may be null);
    // parentForm: the form it is shown over while it runs.
    TProgressForm2(QWidget* owner, QWidget* parentForm);
    ~TProgressForm2() override;

    // Ticks until the form closes itself.
    int TickLimit = 30;

    QLabel* LB_Prompt = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QTimer* ProgressTimer = nullptr;

    // Ticks counted since the timer started.
    int Ticks() const { return ticks_; }

    void FormCreate();
    void ProgressTimerTimer();
    void FormClose();

    // Every way of closing (the tick limit, close(), the modal loop's end) ends here.
    void done(int result) override;

private:
    QWidget* owner_ = nullptr;
    int ticks_ = 0;
};
