// Edit constraints: what a single-line edit may hold, given by a short specifier
// such as "%i{n1x4094}" or "%s{l32}".  Every change of a constrained edit's text
// is filtered (refused characters go, with a beep), and the value is checked when
// the edit loses the focus (a message names the rule, the last accepted text
// comes back and the focus returns to the edit).
#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QLineEdit;

// A parsed specifier.
struct KvConstraintSpec {
    enum Flag : std::uint16_t { AutoAdvance = 1, Exact = 2, Required = 4 };

    char Kind = 's';        // f, h, i, s, u or n
    char Delimiter = 0;     // kind n only
    double Minimum = 0;
    double Maximum = 0;
    std::int32_t LengthLimit = 0;  // characters, or for kind n numbers; 0 = none
    std::uint16_t Flags = 0;
    char ExitChar = 0;      // 0 = none
    int Width = 0;          // pixels; 0 = leave the edit's width alone

    bool Has(Flag f) const { return (Flags & f) != 0; }
};

// Parses one specifier; nothing when it is malformed.
std::optional<KvConstraintSpec> ParseConstraintSpec(std::string_view spec);
// Splits a group specifier before every '%' that is not its first character.
std::vector<std::string> SplitGroupSpec(std::string_view group);

class KvEditConstraint : public QObject {
    Q_OBJECT
public:
    // The owner form receives the focus moves and owns the message boxes.  With
    // rememberAccepted, every value accepted on leaving an edit becomes the text
    // that comes back when a later value is refused.
    KvEditConstraint(QWidget* ownerForm, bool rememberAccepted, QObject* parent = nullptr);
    ~KvEditConstraint() override;

    KvEditConstraint(const KvEditConstraint&) = delete;
    KvEditConstraint& operator=(const KvEditConstraint&) = delete;

    // Raises the format error (common message 2, code -2) for a malformed
    // specifier; nothing is attached then.
    void Attach(const QString& spec, QLineEdit* edit);
    // The k-th specifier of the group goes to the k-th edit.  Pieces before a
    // malformed one stay attached.
    void AttachGroup(const QString& groupSpec, const QList<QLineEdit*>& edits);
    // Removes the edit's first item; nothing when it has none.
    void Detach(QLineEdit* edit);

    QWidget* OwnerForm() const { return owner_; }
    void SetOwnerForm(QWidget* form) { owner_ = form; }
    bool RememberAccepted() const { return remember_; }
    // A refused value stays in the edit for the user to mend instead of the
    // last accepted text coming back: in editors whose fields are filled from
    // one list line after another, that text may be another line's value.
    void SetKeepRefusedText(bool keep) { keepRefused_ = keep; }

    bool IsAttached(const QLineEdit* edit) const;
    int ItemCount() const { return static_cast<int>(items_.size()); }
    // The specifier of the edit's first item.
    std::optional<KvConstraintSpec> SpecOf(const QLineEdit* edit) const;
    QString LastAccepted(const QLineEdit* edit) const;

    // Called from a receiver of Changed or Left, for the edit being reported:
    // after Changed the focus stays (no auto-advance); after Left the value is
    // refused silently and the last accepted text comes back.
    void Veto(QLineEdit* edit);

    // The check made when the edit is left, made now: a write that starts
    // without the focus leaving the edit (Return on a dialog's default button)
    // must not send a value the edit would have refused.  False when the value
    // was refused (the message shown, the last accepted text back).
    bool Check(QLineEdit* edit) { return ExitCheck(edit); }

Q_SIGNALS:
    // The edit's text changed and passed the filter (placeholders, empty texts
    // and the passes that remove a character are not reported).
    void Changed(QLineEdit* edit);
    // The edit was left with an acceptable value (not yet remembered).
    void Left(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Item;

    Item* FirstItem(const QLineEdit* edit) const;
    void Hook(QLineEdit* edit);
    void Unhook(QLineEdit* edit);
    void RemoveItemsOf(QObject* edit);
    void OnUserEdit(QLineEdit* edit);
    void Filter(QLineEdit* edit);
    // True when the value is acceptable (or not checked at all).
    bool ExitCheck(QLineEdit* edit);
    void Refuse(QLineEdit* edit, const QString& message);
    void SetTextQuietly(QLineEdit* edit, const QString& text, int cursor);
    void RestoreAccepted(QLineEdit* edit);
    void PostFocusNext(QLineEdit* edit);
    bool Report(void (KvEditConstraint::*signal)(QLineEdit*), QLineEdit* edit);

    QPointer<QWidget> owner_;
    bool remember_;
    bool keepRefused_ = false;
    std::vector<std::unique_ptr<Item>> items_;
    // Per hooked edit: its connections (one set per edit however often it is attached).
    struct Hooked {
        QLineEdit* Edit;
        QList<QMetaObject::Connection> Connections;
    };
    std::vector<Hooked> hooked_;

    QLineEdit* settingText_ = nullptr;   // our own text changes are not filtered again
    QLineEdit* restoring_ = nullptr;     // a restored text never moves the focus on
    QLineEdit* checking_ = nullptr;      // exit check under way (a message box is up)
    QLineEdit* reporting_ = nullptr;     // the edit of the Changed/Left being sent
    bool vetoed_ = false;
};
