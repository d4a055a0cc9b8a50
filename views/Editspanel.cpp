#include "Editspanel.h"

#include "Ctrlbtnpanel.h"
#include "Viewmodal.h"

#include "KvSNMPRequest2Edits.h"
#include "KvUserNotice.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace {

constexpr int kFirstTop = 20;
constexpr int kCheckLeft = 20;
constexpr int kCheckWidth = 20;
constexpr int kGap = 5;
constexpr int kMargin = 40;

// Catalogue mistakes (a row of the wrong kind) are raised with the code of a
// control of the wrong type.
[[noreturn]] void viewError(const char* text)
{
    throw LibraryError(KvBadControlType, text);
}

void setColours(QWidget* w, const QColor& text, const QColor& base)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Base, base);
    w->setPalette(pal);
}

} // namespace

TEditsPanel::TEditsPanel(QWidget* parent, KvSNMPRequest2Edits* binding) : QWidget(parent), binding_(binding)
{
    readOnlyBackground_ = QApplication::palette().color(QPalette::Button);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    box_ = new QWidget;
    scroll_->setWidget(box_);
    outer->addWidget(scroll_);
    if (!binding_)
        return;

    KvSNMPVarList& vars = binding_->Variables();
    rows_.resize(static_cast<std::size_t>(vars.Count()));
    for (int i = 0; i < vars.Count(); ++i) {
        const KvSNMPVarItem& item = vars.ItemAt(i);
        KvEditRow& row = rows_[static_cast<std::size_t>(i)];
        const bool sendable = vars.IsSettable(i);
        row.Kind = sendable ? (item.Options ? KindDropDown : KindEdit) : (item.Options ? KindReadOnlyLabel : KindReadOnlyEdit);
        row.Check = new QCheckBox(box_);
        row.Check->setFocusPolicy(Qt::NoFocus);
        row.Check->resize(kCheckWidth, row.Check->sizeHint().height());
        connect(row.Check, &QCheckBox::clicked, this, [this, i] { RowCheckClicked(i); });
        row.Caption = new QLabel(QString::fromStdString(item.Caption), box_);
        row.Caption->adjustSize();
        if (row.Kind == KindDropDown) {
            auto* combo = new QComboBox(box_);
            row.Control = combo;
            binding_->AssociateComboBox(i, combo);
        } else {
            auto* edit = new QLineEdit(box_);
            row.Control = edit;
            binding_->AssociateEdits(i, row.Specifier, {edit});
            edit->installEventFilter(this);
        }
        WatchUserChanges(i, row.Control);
        row.Control->resize(controlWidth_, row.Control->sizeHint().height());
    }
    SetRowsState(false);
    ArrangeRows();
}

QLineEdit* TEditsPanel::RowEdit(int row) const
{
    return qobject_cast<QLineEdit*>(Row(row).Control);
}

bool TEditsPanel::IsReadOnlyRow(int row) const
{
    return !binding_->Variables().IsSettable(row);
}

bool TEditsPanel::IsKeyRow(int row) const
{
    return row < binding_->Variables().PKeyCount;
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* b)
{
    if (!binding_)
        viewError("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    buttons_ = b;
    b->LB_Samples->hide();
    b->ST_RowCount->hide();
    b->BT_Refresh->show();
    b->BT_Edit->hide();
    b->BT_SetChecked->show();
    b->BT_Add->hide();
    b->BT_Delete->hide();
    b->BT_CheckAll->show();
    b->BT_ClearChecks->show();
    b->BT_Close->show();

    bool allLocked = true;
    int open = 0;
    for (int i = 0; i < RowCount(); ++i) {
        allLocked = allLocked && (IsReadOnlyRow(i) || IsKeyRow(i));
        const QCheckBox* box = rows_[static_cast<std::size_t>(i)].Check;
        open += (!box->isHidden() && box->isEnabled()) ? 1 : 0;
    }
    if (allLocked) {
        b->BT_SetChecked->hide();
        b->BT_CheckAll->hide();
        b->BT_ClearChecks->hide();
    } else if (open <= 1) {
        // A single editable value is written without choosing it.
        b->BT_CheckAll->hide();
        b->BT_ClearChecks->hide();
        b->BT_SetChecked->setText(QStringLiteral("Set"));
        b->BT_SetChecked->setEnabled(true);
        int checked = 0;
        for (KvEditRow& row : rows_) {
            if (!row.Check->isHidden() && row.Check->isEnabled())
                row.Check->setChecked(true);
            checked += (!row.Check->isHidden() && row.Check->isChecked()) ? 1 : 0;
        }
        if (checked <= 1)
            for (KvEditRow& row : rows_)
                row.Check->hide();
    } else {
        // Rows may open ticked (the keys and the status of an Add dialog): the
        // button follows them from the start, not from the first click.
        UpdateSetButton(false, false);
    }
    b->ArrangeButtons();
}

void TEditsPanel::SetControlWidth(int width)
{
    controlWidth_ = width;
    ArrangeRows();
}

void TEditsPanel::ArrangeRows()
{
    int widestCaption = 0;
    for (const KvEditRow& row : rows_)
        widestCaption = std::max(widestCaption, row.Caption->width());
    int top = kFirstTop;
    int right = 0;
    int bottom = 0;
    bool first = true;
    const KvSNMPVarList* vars = binding_ ? &binding_->Variables() : nullptr;
    for (int i = 0; i < RowCount(); ++i) {
        KvEditRow& row = rows_[static_cast<std::size_t>(i)];
        int height = row.Control->height();
        if (height < 20)
            height = 21;
        row.Control->resize(controlWidth_, height);
        if (vars && (vars->ItemAt(i).Access & KvAccess::Hidden))
            continue;
        if (!first)
            top += kGap;
        first = false;
        const int centre = top + height / 2;
        row.Check->move(kCheckLeft, centre - row.Check->height() / 2);
        const int captionLeft = kCheckLeft + row.Check->width() + kGap;
        row.Caption->move(captionLeft, centre - row.Caption->height() / 2);
        row.Control->move(captionLeft + widestCaption + kGap, top);
        right = std::max(right, row.Control->geometry().right() + 1);
        bottom = std::max(bottom, row.Control->geometry().bottom() + 1);
        top += height;
    }
    panelSize_ = QSize(right + kMargin, bottom + kMargin);
    box_->resize(panelSize_);
    resize(panelSize_);
    updateGeometry();
}

void TEditsPanel::SetRowsState(bool defaultCheck)
{
    defaultCheck_ = defaultCheck;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsReadOnlyRow(i) || IsKeyRow(i))
            DisableRow(i);
        else
            EnableRow(i);
    }
}

void TEditsPanel::DisableRow(int r)
{
    KvEditRow& row = rows_.at(static_cast<std::size_t>(r));
    row.Check->setEnabled(false);
    row.Check->hide();
    row.Check->setChecked(false);
    if (auto* edit = qobject_cast<QLineEdit*>(row.Control)) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
    } else {
        row.Control->setEnabled(false);
    }
    setColours(row.Control, readOnlyText_, readOnlyBackground_);
}

void TEditsPanel::EnableRow(int r)
{
    KvEditRow& row = rows_.at(static_cast<std::size_t>(r));
    row.Check->setEnabled(true);
    row.Check->show();
    row.Check->setChecked(defaultCheck_);
    if (auto* edit = qobject_cast<QLineEdit*>(row.Control)) {
        // A bit-editor row keeps its edit read-only: its value is changed only
        // through the editor, never by typing.
        edit->setReadOnly(row.BitEditor.has_value());
        edit->setFocusPolicy(Qt::StrongFocus);
    } else {
        row.Control->setEnabled(true);
    }
    setColours(row.Control, Qt::black, Qt::white);
}

void TEditsPanel::HideRow(int r)
{
    KvEditRow& row = rows_.at(static_cast<std::size_t>(r));
    binding_->Variables().ItemAt(r).Access |= KvAccess::Hidden;
    row.Check->hide();
    row.Caption->hide();
    row.Control->hide();
}

void TEditsPanel::ShowRow(int r)
{
    KvEditRow& row = rows_.at(static_cast<std::size_t>(r));
    binding_->Variables().ItemAt(r).Access &= ~KvAccess::Hidden;
    row.Check->show();
    row.Caption->show();
    row.Control->show();
}

void TEditsPanel::CheckRow(int r)
{
    rows_.at(static_cast<std::size_t>(r)).Check->setChecked(true);
}

void TEditsPanel::UncheckRow(int r)
{
    rows_.at(static_cast<std::size_t>(r)).Check->setChecked(false);
}

void TEditsPanel::ClearRow(int r)
{
    KvEditRow& row = rows_.at(static_cast<std::size_t>(r));
    for (QWidget* part : row.Parts) {
        if (auto* edit = qobject_cast<QLineEdit*>(part))
            edit->clear();
        else if (auto* combo = qobject_cast<QComboBox*>(part))
            combo->setCurrentIndex(-1);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(row.Control))
        edit->clear();
    else if (auto* combo = qobject_cast<QComboBox*>(row.Control))
        combo->setCurrentIndex(-1);
    binding_->Variables().ItemAt(r).Value.clear();
}

void TEditsPanel::ClearRows()
{
    for (int i = 0; i < RowCount(); ++i)
        ClearRow(i);
}

void TEditsPanel::SetRowValue(int r, const QString& text)
{
    KvEditRow& row = rows_.at(static_cast<std::size_t>(r));
    if (auto* edit = qobject_cast<QLineEdit*>(row.Control))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(row.Control))
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
    binding_->Variables().ItemAt(r).Value = text.toStdString();
}

void TEditsPanel::SetCompositeRow(int r, QWidget* container, const QList<QWidget*>& parts)
{
    KvEditRow& row = rows_.at(static_cast<std::size_t>(r));
    binding_->Dissociate(r);
    container->setParent(box_);
    container->setGeometry(row.Control->geometry());
    container->setEnabled(row.Control->isEnabled());
    container->setVisible(!row.Control->isHidden());
    delete row.Control;
    row.Control = container;
    row.Parts = parts;
    row.BitEditor.reset();
    for (QWidget* part : parts)
        WatchUserChanges(r, part);
}

void TEditsPanel::WatchUserChanges(int r, QWidget* control)
{
    // Only what the user does counts: textEdited and activated are not sent
    // for texts and choices the program sets.
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        connect(edit, &QLineEdit::textEdited, this, [this, r] { TickChangedRow(r); });
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::activated, this, [this, r, combo] {
            // Choosing the value the row already holds changes nothing.
            const KvEditRow& row = rows_.at(static_cast<std::size_t>(r));
            if (row.Control != combo || combo->currentText() != QString::fromStdString(binding_->Variables().ItemAt(r).Value))
                TickChangedRow(r);
        });
    }
}

void TEditsPanel::TickChangedRow(int r)
{
    // A row the user changed is one to write; its tick shows it and enables
    // Set Checked.  Locked boxes (keys, a fixed status) stay as they are.
    QCheckBox* box = rows_.at(static_cast<std::size_t>(r)).Check;
    if (!box->isEnabled() || box->isChecked())
        return;
    box->setChecked(true);
    RowCheckClicked(r);
}

void TEditsPanel::SetOctetEditor(int r, int boxesPerLine, int bitCount)
{
    KvEditRow& row = rows_.at(static_cast<std::size_t>(r));
    if (row.Kind != KindReadOnlyEdit && row.Kind != KindEdit)
        viewError("You can only assign Octet Item to a Edit!");
    row.BitEditor = KvBitEditorSettings{std::max(1, boxesPerLine), std::max(0, bitCount)};
    static_cast<QLineEdit*>(row.Control)->setReadOnly(true);
}

bool TEditsPanel::eventFilter(QObject* watched, QEvent* event)
{
    bool opens = event->type() == QEvent::MouseButtonPress;
    if (event->type() == QEvent::KeyPress) {
        // Space asks for the editor, as it presses a button; every other key
        // keeps its meaning (Return accepts the dialog, Escape closes it, Tab
        // moves on).
        const auto* key = static_cast<QKeyEvent*>(event);
        opens = key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier;
    }
    if (opens) {
        for (int i = 0; i < RowCount(); ++i) {
            const KvEditRow& row = rows_[static_cast<std::size_t>(i)];
            if (row.Control == watched && row.BitEditor) {
                OpenBitEditor(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TEditsPanel::OpenBitEditor(int r)
{
    KvEditRow& row = rows_.at(static_cast<std::size_t>(r));
    if (!row.BitEditor || !binding_)
        return;
    const KvBitEditorSettings settings = *row.BitEditor;
    auto* edit = static_cast<QLineEdit*>(row.Control);
    try {
        binding_->ReadControls(-1);
    } catch (const std::exception&) {
        // What the other rows hold is checked when they are written.
    }
    const KvSNMPVarList& vars = binding_->Variables();
    TBitEditorDialog dialog(window(), QString::fromStdString(vars.ItemAt(r).Caption), settings.BoxesPerLine,
                            settings.BitCount, vars.IsSettable(r));
    std::string bits;
    for (int i = 0; i < settings.BitCount; ++i)
        bits += (i ? "," : "") + std::to_string(i);
    binding_->AssociateCheckBits(r, bits, dialog.Boxes());
    try {
        binding_->UpdateControls(r);
    } catch (const std::exception&) {
        ClearRow(r);
        dialog.CheckAll(false);
    }
    const QString before = edit->text();
    const bool accepted = TRunModal(dialog) == QDialog::Accepted;
    if (accepted) {
        try {
            binding_->ReadControls(-1);
        } catch (const std::exception&) {
        }
    }
    binding_->Dissociate(r);
    binding_->AssociateEdits(r, row.Specifier, {edit});
    try {
        binding_->UpdateControls(r);
        binding_->ReadControls(-1);
    } catch (const std::exception&) {
    }
    if (accepted && edit->text() != before)
        TickChangedRow(r);
}

void TEditsPanel::SetNeedCheckItemRange(const QString& name, int row, long long minimum, long long maximum)
{
    range_ = {row, minimum, maximum, name};
}

bool TEditsPanel::AnyVisibleChecked() const
{
    for (const KvEditRow& row : rows_)
        if (!row.Check->isHidden() && row.Check->isChecked())
            return true;
    return false;
}

void TEditsPanel::UpdateSetButton(bool enableOnly, bool disableOnly)
{
    if (!buttons_)
        return;
    const bool any = AnyVisibleChecked();
    if (enableOnly && !any)
        return;
    if (disableOnly && any)
        return;
    buttons_->BT_SetChecked->setEnabled(any);
}

void TEditsPanel::RowCheckClicked(int r)
{
    if (multicastRange_ && r != 4 && rows_.at(static_cast<std::size_t>(r)).Check->isChecked()) {
        for (KvEditRow& row : rows_)
            if (row.Check->isEnabled())
                row.Check->setChecked(true);
    }
    UpdateSetButton(false, false);
}

void TEditsPanel::CheckAllClick()
{
    for (KvEditRow& row : rows_)
        if (row.Check->isEnabled())
            row.Check->setChecked(true);
    UpdateSetButton(true, false);
}

void TEditsPanel::ClearChecksClick()
{
    for (KvEditRow& row : rows_)
        if (row.Check->isEnabled())
            row.Check->setChecked(false);
    UpdateSetButton(false, true);
}

QString TEditsPanel::RowText(int r) const
{
    const KvEditRow& row = rows_.at(static_cast<std::size_t>(r));
    if (!row.Parts.isEmpty()) {
        for (QWidget* part : row.Parts) {
            const auto* edit = qobject_cast<QLineEdit*>(part);
            const auto* combo = qobject_cast<QComboBox*>(part);
            if ((edit && edit->text().isEmpty()) || (combo && combo->currentIndex() < 0))
                return {};
        }
        return QStringLiteral("-");
    }
    if (auto* edit = qobject_cast<QLineEdit*>(row.Control))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(row.Control))
        return combo->currentIndex() < 0 ? QString() : combo->currentText();
    return {};
}

void TEditsPanel::Notify(const QString& caption, const QString& text)
{
    KvShowMessage({window(), caption, text, QMessageBox::Ok, QMessageBox::NoIcon});
}

bool TEditsPanel::IsMulticastAddress(const QString& text)
{
    if (text.startsWith(u'.') || text.endsWith(u'.'))
        return false;
    const QStringList pieces = text.split(u'.', Qt::SkipEmptyParts);
    if (pieces.size() != 4)
        return false;
    for (int i = 0; i < pieces.size(); ++i) {
        // Each piece is digits only ("7abc" would be sent as another address,
        // or refused only once written).  Long runs of digits stay large
        // instead of wrapping round.
        const QString& piece = pieces[i];
        int n = 0;
        int value = 0;
        while (n < piece.size() && piece[n] >= u'0' && piece[n] <= u'9') {
            value = std::min(value * 10 + (piece[n].unicode() - '0'), 1000);
            ++n;
        }
        if (n == 0 || n != piece.size())
            return false;
        if (value >= 256)
            return false;
        if (i == 0 && (value < 224 || value > 239))
            return false;
    }
    return true;
}

bool TEditsPanel::MulticastFieldsOk()
{
    if (RowCount() < 5) {
        Notify(QStringLiteral("Error"), QStringLiteral("Some fields need to be checked!"));
        return false;
    }
    auto checked = [this](int r) { return rows_[static_cast<std::size_t>(r)].Check->isChecked(); };
    const bool same = checked(1) == checked(2) && checked(2) == checked(3);
    if (!checked(4) || !same) {
        Notify(QStringLiteral("Error"), QStringLiteral("Some fields need to be checked!"));
        return false;
    }
    if (!IsMulticastAddress(RowText(1))) {
        Notify(QStringLiteral("Error"), QStringLiteral("Bad value of FromIP field!"));
        return false;
    }
    if (!IsMulticastAddress(RowText(2))) {
        Notify(QStringLiteral("Error"), QStringLiteral("Bad value of ToIP field!"));
        return false;
    }
    if (RowText(3) == QStringLiteral("none")) {
        Notify(QStringLiteral("Error"), QStringLiteral("Bad value of Access field!"));
        return false;
    }
    return true;
}

bool TEditsPanel::RowEditsAccept()
{
    KvEditConstraint& constraint = binding_->Constraint();
    for (const KvEditRow& row : rows_) {
        if (!row.Check->isChecked())
            continue;
        QList<QWidget*> controls = row.Parts;
        if (controls.isEmpty())
            controls << row.Control;
        for (QWidget* control : controls)
            if (auto* edit = qobject_cast<QLineEdit*>(control); edit && !constraint.Check(edit))
                return false;
    }
    return true;
}

void TEditsPanel::RefuseValue(int r)
{
    const KvEditRow& row = rows_.at(static_cast<std::size_t>(r));
    const QString caption = QString::fromStdString(binding_->Variables().ItemAt(r).Caption);
    const auto* edit = qobject_cast<const QLineEdit*>(row.Control);
    const QString text = edit ? QStringLiteral(": \"%1\"").arg(edit->text()) : QString();
    Notify(QStringLiteral("Error"), QStringLiteral("Bad value of %1 field%2! Nothing was written.").arg(caption, text));
    if (QWidget* control = row.Parts.isEmpty() ? row.Control : row.Parts.front())
        control->setFocus(Qt::OtherFocusReason);
}

bool TEditsPanel::SetCheckedClick(bool closeDialog)
{
    if (!binding_)
        return false;
    if (multicastRange_ && !MulticastFieldsOk())
        return false;
    // Return presses the button without leaving the edit: what leaving it
    // would have refused is refused now.
    if (!RowEditsAccept())
        return false;

    KvSNMPVarList& vars = binding_->Variables();
    const bool table = vars.ItemType == MVT_FMV || vars.ItemType == MVT_UMV;
    const std::uint8_t savedMode = binding_->Mode();
    binding_->SetMode(KvSNMPRequest2Controls::Synchronous);
    std::vector<int> marked;
    bool sent = false;
    bool refused = false;
    try {
        // The controls' contents into the value texts, as a Set would collect
        // them, one variable at a time: a value that cannot be read names its row.
        for (int i = 0; i < vars.Count(); ++i)
            vars.ItemAt(i).Value.clear();
        if (binding_->ListView())
            binding_->ReadSelectedRow();
        std::vector<int> unreadable;
        for (int i = 0; i < vars.Count(); ++i) {
            try {
                binding_->ReadControls(i);
            } catch (const KvSNMPException& e) {
                if (e.Code() != KvLibraryCode(KvBadPartialValue))
                    throw;
                unreadable.push_back(i);
            }
        }

        for (int i = 0; i < RowCount(); ++i) {
            KvSNMPVarItem& item = vars.ItemAt(i);
            if (!rows_[static_cast<std::size_t>(i)].Check->isChecked() && !(item.Access & KvAccess::Invalid)) {
                item.Access |= KvAccess::Invalid;
                marked.push_back(i);
            }
        }
        QStringList empty;
        for (int i = 0; i < RowCount(); ++i)
            if (vars.IsSettable(i) && RowText(i).isEmpty())
                empty << QString::fromStdString(vars.ItemAt(i).Caption);

        // Keys address the row whether their boxes are ticked or not.
        auto written = [&](int i) { return vars.IsSettable(i) || (table && i < vars.PKeyCount); };
        for (int i : unreadable) {
            if (!refused && written(i) && !RowText(i).isEmpty()) {
                RefuseValue(i);
                refused = true;
            }
        }

        if (!refused && rangeCheck_ && range_.Row >= 0 && range_.Row < RowCount() && !RowText(range_.Row).isEmpty()) {
            bool ok = false;
            const long long value = RowText(range_.Row).trimmed().toLongLong(&ok);
            if (!ok || value < range_.Minimum || value > range_.Maximum) {
                Notify(QStringLiteral("Error"), range_.Name + QStringLiteral(" must be between ") +
                                                    QString::number(range_.Minimum) + QStringLiteral(" and ") +
                                                    QString::number(range_.Maximum) + QStringLiteral("!"));
                refused = true;
            }
        }
        if (!refused && !empty.isEmpty()) {
            Notify(QStringLiteral("Warning"), QStringLiteral("Some items are empty!\n") + empty.join(QStringLiteral(", ")));
            refused = true;
        }
        // What cannot be sent as typed is refused before anything goes out.
        for (int i = 0; i < vars.Count() && !refused; ++i) {
            if (!written(i))
                continue;
            try {
                binding_->Request().CheckValue(i);
            } catch (const KvSNMPException& e) {
                if (e.Code() != KvLibraryCode(KvBadSyntax))
                    throw;
                RefuseValue(i);
                refused = true;
            }
        }
        if (!refused) {
            binding_->Set(false, false, {});
            sent = true;
        }
    } catch (const std::exception& e) {
        binding_->ShowStatus(e.what());
    }
    for (int i : marked)
        vars.ItemAt(i).Access &= ~KvAccess::Invalid;
    binding_->SetMode(savedMode);
    // Only a write that went through closes the dialog: a refused value or a
    // failed request leaves the user's input in front of them.
    if (sent && closeDialog) {
        QWidget* holder = window();
        if (auto* dialog = qobject_cast<QDialog*>(holder))
            dialog->accept();
        else if (holder != this)
            holder->close();
    }
    return sent;
}

// ---------------------------------------------------------------------------

TBitEditorDialog::TBitEditorDialog(QWidget* owner, const QString& caption, int perLine, int count, bool writable)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(caption);
    perLine = std::max(1, perLine);
    int lastBottom = 10;
    int rightEdge = 10;
    for (int i = 0; i < count; ++i) {
        auto* label = new QLabel(QString::number(i + 1), this);
        label->adjustSize();
        auto* box = new QCheckBox(this);
        box->setFocusPolicy(Qt::NoFocus);
        box->resize(20, box->sizeHint().height());
        box->setEnabled(writable);
        const int line = i / perLine;
        const int column = i % perLine;
        const int labelTop = line * (box->height() + label->height()) + 10;
        const int left = column * box->width() + 10;
        label->move(left, labelTop);
        box->move(left, labelTop + label->height());
        lastBottom = std::max(lastBottom, box->geometry().bottom() + 1);
        if (i < perLine)
            rightEdge = std::max(rightEdge, box->geometry().right() + 1);
        labels_ << label;
        boxes_ << box;
    }
    const int top = lastBottom + 10;
    int left = 10;
    auto place = [&](const QString& text) {
        auto* b = new QPushButton(text, this);
        b->resize(std::max(75, b->sizeHint().width()), b->sizeHint().height());
        b->move(left, top);
        left += b->width() + 8;
        return b;
    };
    BT_OK = place(QStringLiteral("OK"));
    BT_OK->setDefault(true);
    connect(BT_OK, &QPushButton::clicked, this, &QDialog::accept);
    if (writable) {
        BT_Cancel = place(QStringLiteral("Cancel"));
        BT_CheckAll = place(QStringLiteral("Check All"));
        BT_ClearChecks = place(QStringLiteral("Clear Checks"));
        connect(BT_Cancel, &QPushButton::clicked, this, &QDialog::reject);
        connect(BT_CheckAll, &QPushButton::clicked, this, [this] { CheckAll(true); });
        connect(BT_ClearChecks, &QPushButton::clicked, this, [this] { CheckAll(false); });
    }
    // The buttons always fit, even under a short line of boxes.
    const int width = std::max(rightEdge + 10, left - 8 + 10);
    setFixedSize(width, BT_OK->geometry().bottom() + 1 + 10);
}

void TBitEditorDialog::CheckAll(bool checked)
{
    for (QCheckBox* box : boxes_)
        box->setChecked(checked);
}
