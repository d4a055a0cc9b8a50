// The column of command buttons at the right edge of every generic view, and
// the message area at its bottom.
#pragma once

#include <QFrame>
#include <QSize>

#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TCtrlBtnPanel : public QFrame {
    Q_OBJECT
public:
    explicit TCtrlBtnPanel(QWidget* parent);

    // Stacks the controls of the layout list from the top margin down; hidden
    // controls take no room.  The panel's preferred height follows.
    void ArrangeButtons();

    const std::vector<QWidget*>& LayoutList() const { return layout_; }
    int LeftMargin() const { return left_; }
    int TopMargin() const { return top_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QLabel* LB_Samples = nullptr;
    QLabel* ST_RowCount = nullptr;
    QPushButton* BT_Refresh = nullptr;
    QPushButton* BT_Edit = nullptr;
    QPushButton* BT_SetChecked = nullptr;
    QPushButton* BT_Add = nullptr;
    QPushButton* BT_Delete = nullptr;
    QPushButton* BT_CheckAll = nullptr;
    QPushButton* BT_ClearChecks = nullptr;
    QPushButton* BT_Close = nullptr;

private:
    QPushButton* makeButton(const QString& caption, const QString& picture);

    int left_ = 10;
    int top_ = 10;
    int arrangedHeight_ = 0;
    std::vector<QWidget*> layout_;
};

// A 50-pixel strip holding the status memo of a view.
class TMsgPanel : public QFrame {
    Q_OBJECT
public:
    explicit TMsgPanel(QWidget* parent);
    QSize sizeHint() const override { return {QFrame::sizeHint().width(), kHeight}; }
    QPlainTextEdit* Memo = nullptr;
    static constexpr int kHeight = 50;
};
