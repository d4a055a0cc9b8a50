#include "KvSNMPRequest2Edits.h"

#include "KvControls.h"
#include "KvOptionWidgets.h"
#include "KvPartialData.h"
#include "binding/KvPlainText.h"

#include "kvsnmp/KvConvert.h"
#include "kvsnmp/KvNumList.h"
#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>
#include <utility>

namespace {

[[noreturn]] void fail(int row)
{
    throw LibraryError(row);
}

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

std::string ss(const QString& s)
{
    return s.toStdString();
}

// A single check box without options shows a truth value.
bool isTruthValue(std::uint32_t syntax)
{
    const KvSyntaxCodec* c = KvFindSyntaxCodec(syntax);
    return c && c->TruthValue;
}

// What joins a prefix chosen from a list to the rest typed beside it.
char prefixSeparator(std::uint32_t syntax)
{
    const KvSyntaxCodec* c = KvFindSyntaxCodec(syntax);
    return c ? c->PrefixSeparator : '\0';
}

void setControlText(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        KvSetPlainText(label, text);
    else
        fail(KvBadControlType);
}

QString controlText(const QWidget* control)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    fail(KvBadControlType);
}

bool isSupportedKind(KvControlKind kind)
{
    switch (kind) {
    case KvControlKind::Edit: case KvControlKind::Label: case KvControlKind::ComboBox:
    case KvControlKind::RadioGroup: case KvControlKind::CheckBox:
        return true;
    default:
        return false;
    }
}

}  // namespace

KvSNMPRequest2Edits::KvSNMPRequest2Edits(QWidget* ownerForm)
    : KvSNMPRequest2Controls(ownerForm), constraint_(ownerForm, true)
{
}

KvSNMPRequest2Edits::~KvSNMPRequest2Edits()
{
    StopResponses();
    if (selectionConnection_)
        QObject::disconnect(selectionConnection_);
    // Edits that outlive the binding get their own handlers back.
    for (const auto& a : associations_)
        for (const QPointer<QWidget>& c : a->Controls)
            if (auto* edit = qobject_cast<QLineEdit*>(c.data()))
                constraint_.Detach(edit);
}

// ---- associations ----------------------------------------------------------------

void KvSNMPRequest2Edits::CheckVariable(int v) const
{
    if (v < 0 || v >= Variables().Count())
        throw CommonError(KvIndexOutOfRange);
}

bool KvSNMPRequest2Edits::IsField(const KvControlAssociation& a) const
{
    return a.ByteOffset != 0 || a.FieldSyntax != Variables().ItemAt(a.Variable).Syntax;
}

const KvOptionList* KvSNMPRequest2Edits::EffectiveOptions(const KvControlAssociation& a) const
{
    if (a.Options)
        return a.Options;
    return IsField(a) ? nullptr : Variables().ItemAt(a.Variable).Options;
}

void KvSNMPRequest2Edits::AddAssociation(std::unique_ptr<KvControlAssociation> a)
{
    associations_.push_back(std::move(a));
}

void KvSNMPRequest2Edits::Associate(int v, QWidget* control)
{
    CheckVariable(v);
    AssociateControls(v, 0, Variables().ItemAt(v).Syntax, nullptr, control);
}

void KvSNMPRequest2Edits::AssociateText(int v, QLabel* text)
{
    Associate(v, text);
}

void KvSNMPRequest2Edits::AssociateComboBox(int v, QComboBox* combo)
{
    CheckVariable(v);
    AssociateComboBoxField(v, 0, Variables().ItemAt(v).Syntax, nullptr, combo);
}

void KvSNMPRequest2Edits::AssociateComboBoxField(int v, int byteOffset, std::uint32_t fieldSyntax,
                                                 const KvOptionList* options, QComboBox* combo)
{
    if (combo)
        combo->setEditable(false);
    AssociateControls(v, byteOffset, fieldSyntax, options, combo);
}

void KvSNMPRequest2Edits::AssociateControls(int v, int byteOffset, std::uint32_t fieldSyntax,
                                            const KvOptionList* options, QWidget* control, QWidget* second)
{
    CheckVariable(v);
    if (byteOffset < 0)
        fail(KvPartialIndexOutOfRange);
    const KvControlKind kind = ControlKindOf(control);
    if (!isSupportedKind(kind))
        fail(KvBadControlType);
    auto a = std::make_unique<KvControlAssociation>();
    a->Variable = v;
    a->ByteOffset = byteOffset;
    a->FieldSyntax = fieldSyntax;
    a->Options = options;
    a->Controls.emplace_back(control);
    if (kind == KvControlKind::ComboBox || kind == KvControlKind::RadioGroup) {
        const KvOptionList* effective = EffectiveOptions(*a);
        if (!effective)
            fail(KvNoOptionListForControl);
        if (kind == KvControlKind::ComboBox && effective->ValueType() == KvOptionList::PrefixValues) {
            const KvControlKind secondKind = ControlKindOf(second);
            if (!second)
                fail(KvNotEnoughControls);
            if (secondKind != KvControlKind::Edit && secondKind != KvControlKind::Label)
                fail(KvBadControlType);
            a->Controls.emplace_back(second);
        }
        if (kind == KvControlKind::ComboBox)
            FillComboBox(*effective, static_cast<QComboBox*>(control));
        else
            FillRadioGroup(*effective, static_cast<KvRadioGroup*>(control));
    }
    AddAssociation(std::move(a));
}

void KvSNMPRequest2Edits::AssociateEdits(int v, const QString& groupSpec, const QList<QLineEdit*>& edits)
{
    CheckVariable(v);
    AssociateEditsField(v, 0, Variables().ItemAt(v).Syntax, nullptr, groupSpec, edits);
}

void KvSNMPRequest2Edits::AssociateEditsField(int v, int byteOffset, std::uint32_t fieldSyntax,
                                              const KvOptionList* options, const QString& groupSpec,
                                              const QList<QLineEdit*>& edits)
{
    CheckVariable(v);
    if (byteOffset < 0)
        fail(KvPartialIndexOutOfRange);
    int count = 0;
    for (int i = 0; i + 1 < groupSpec.size(); ++i)
        if (groupSpec[i] == QLatin1Char('%') && QStringLiteral("shiufn").contains(groupSpec[i + 1]))
            ++count;
    if (count == 0)
        throw CommonError(KvBadConstraintFormat);
    if (edits.size() < count)
        fail(KvNotEnoughControls);
    const QList<QLineEdit*> taken = edits.mid(0, count);
    for (QLineEdit* e : taken)
        if (!e)
            fail(KvBadControlType);
    constraint_.AttachGroup(groupSpec, taken);
    auto a = std::make_unique<KvControlAssociation>();
    a->Variable = v;
    a->ByteOffset = byteOffset;
    a->FieldSyntax = fieldSyntax;
    a->Options = options;
    for (QLineEdit* e : taken)
        a->Controls.emplace_back(e);
    AddAssociation(std::move(a));
}

void KvSNMPRequest2Edits::AssociateCheckBits(int v, const std::string& bitList, const QList<QCheckBox*>& boxes)
{
    CheckVariable(v);
    KvNumList<int> bits;
    bits.Delimiter = ',';
    bits.Parse(bitList);
    if (boxes.size() < bits.Count)
        fail(KvNotEnoughControls);
    auto a = std::make_unique<KvControlAssociation>();
    a->Variable = v;
    a->FieldSyntax = Variables().ItemAt(v).Syntax;
    for (int k = 0; k < bits.Count; ++k) {
        const int bit = bits.Items[static_cast<std::size_t>(k)];
        if (bit < 0)
            fail(KvPartialIndexOutOfRange);
        if (!boxes[k])
            fail(KvBadControlType);
        a->Bits.push_back(bit);
        a->Controls.emplace_back(boxes[k]);
    }
    AddAssociation(std::move(a));
}

void KvSNMPRequest2Edits::Dissociate(int v)
{
    for (auto it = associations_.begin(); it != associations_.end();) {
        if ((*it)->Variable != v) {
            ++it;
            continue;
        }
        for (const QPointer<QWidget>& c : (*it)->Controls)
            if (auto* edit = qobject_cast<QLineEdit*>(c.data()))
                constraint_.Detach(edit);
        it = associations_.erase(it);
    }
}

// ---- values to controls ------------------------------------------------------------

void KvSNMPRequest2Edits::UpdateControls(int v)
{
    for (std::size_t i = 0; i < associations_.size(); ++i) {
        const KvControlAssociation& a = *associations_[i];
        if (v != -1 && a.Variable != v)
            continue;
        if (Variables().ItemAt(a.Variable).Access & KvAccess::Invalid)
            continue;
        UpdateAssociation(a);
    }
}

void KvSNMPRequest2Edits::UpdateAssociation(const KvControlAssociation& a)
{
    for (const QPointer<QWidget>& c : a.Controls)
        if (!c)
            return;   // a control of it is gone with its form
    const KvSNMPVarItem& item = Variables().ItemAt(a.Variable);
    std::string text = item.Options ? item.Options->ValueOf(item.Value) : item.Value;
    // The octet form is made only where a control needs it, so that a value
    // shown as a whole never fails on its way to the control.
    std::optional<std::string> octetsCache;
    if (IsField(a)) {
        octetsCache = KvExtractField(KvFieldToOctets(text, item.Syntax), a.ByteOffset, a.FieldSyntax);
        text = KvFieldText(*octetsCache, a.FieldSyntax);
    }
    const std::string raw = text;
    auto octets = [&]() -> const std::string& {
        if (!octetsCache)
            octetsCache = KvFieldToOctets(raw, a.FieldSyntax);
        return *octetsCache;
    };
    const KvOptionList* options = EffectiveOptions(a);
    if (options)
        text = options->LabelOf(text);

    QWidget* control = a.Controls.front();
    const auto n = static_cast<int>(a.Controls.size());
    switch (ControlKindOf(control)) {
    case KvControlKind::Label:
        KvSetPlainText(static_cast<QLabel*>(control), qs(text));
        return;
    case KvControlKind::CheckBox:
        if (!a.Bits.empty()) {
            const std::string& o = octets();
            for (int k = 0; k < n; ++k) {
                const auto bit = static_cast<std::size_t>(a.Bits[static_cast<std::size_t>(k)]);
                if (bit / 8 >= o.size())
                    fail(KvPartialIndexOutOfRange);
                static_cast<QCheckBox*>(a.Controls[static_cast<std::size_t>(k)].data())
                    ->setChecked((static_cast<std::uint8_t>(o[bit / 8]) & (0x80u >> (bit % 8))) != 0);
            }
        } else if (options) {
            int index = options->IndexOfLabel(text);
            if (index < 0)
                index = options->IndexOfValue(text);
            static_cast<QCheckBox*>(control)->setChecked(index > 0);
        } else if (isTruthValue(a.FieldSyntax)) {
            static_cast<QCheckBox*>(control)->setChecked(text == "true");
        } else {
            fail(KvBadPartialSyntax);
        }
        return;
    case KvControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(control);
        SelectInComboBox(*options, combo, text);
        if (n > 1) {
            const int used = combo->currentIndex() >= 0 ? static_cast<int>(ss(combo->currentText()).size()) : 0;
            std::string rest = text.size() > static_cast<std::size_t>(used) ? text.substr(static_cast<std::size_t>(used)) : std::string();
            if (prefixSeparator(a.FieldSyntax) && !rest.empty())
                rest.erase(0, 1);
            setControlText(a.Controls[1], qs(rest));
        }
        return;
    }
    case KvControlKind::RadioGroup:
        SelectInRadioGroup(*options, static_cast<KvRadioGroup*>(control), text);
        return;
    case KvControlKind::Edit:
        break;
    default:
        fail(KvBadControlType);
    }

    auto edit = [&](int k) { return static_cast<QLineEdit*>(a.Controls[static_cast<std::size_t>(k)].data()); };
    if (n == 1) {
        edit(0)->setText(qs(text));
        return;
    }
    // The syntax's codec cuts the value into fields; the edits show them in order.
    const std::vector<std::string> fields = KvEditFields(a.FieldSyntax, text, octets, n);
    for (std::size_t k = 0; k < fields.size(); ++k)
        edit(static_cast<int>(k))->setText(qs(fields[k]));
}

// ---- controls to values ----------------------------------------------------------

std::string KvSNMPRequest2Edits::ReadAssociation(const KvControlAssociation& a) const
{
    QWidget* control = a.Controls.front();
    const auto n = static_cast<int>(a.Controls.size());
    const KvOptionList* options = EffectiveOptions(a);
    std::string text;
    switch (ControlKindOf(control)) {
    case KvControlKind::Label:
        text = ss(static_cast<QLabel*>(control)->text());
        break;
    case KvControlKind::CheckBox:
        if (!a.Bits.empty()) {
            std::string o;
            for (int k = 0; k < n; ++k) {
                const auto bit = static_cast<std::size_t>(a.Bits[static_cast<std::size_t>(k)]);
                if (o.size() <= bit / 8)
                    o.resize(bit / 8 + 1, '\0');
                const auto mask = static_cast<char>(0x80u >> (bit % 8));
                if (static_cast<QCheckBox*>(a.Controls[static_cast<std::size_t>(k)].data())->isChecked())
                    o[bit / 8] = static_cast<char>(o[bit / 8] | mask);
                else
                    o[bit / 8] = static_cast<char>(o[bit / 8] & ~mask);
            }
            return KvFieldText(o, a.FieldSyntax);
        }
        if (options) {
            if (options->Count() < 2)
                fail(KvNoOptionListForControl);
            text = options->Item(static_cast<QCheckBox*>(control)->isChecked() ? 1 : 0).Label;
        } else if (isTruthValue(a.FieldSyntax)) {
            text = static_cast<QCheckBox*>(control)->isChecked() ? "true" : "false";
        } else {
            fail(KvBadPartialSyntax);
        }
        break;
    case KvControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(control);
        text = combo->currentIndex() >= 0 ? ss(combo->currentText()) : std::string();
        if (n > 1) {
            const std::string rest = ss(controlText(a.Controls[1]));
            // No dot before an empty rest: "prefix." would be no identifier.
            if (const char separator = prefixSeparator(a.FieldSyntax); separator && !rest.empty())
                text += separator;
            text += rest;
        }
        break;
    }
    case KvControlKind::RadioGroup: {
        auto* group = static_cast<KvRadioGroup*>(control);
        text = group->ItemIndex() >= 0 ? ss(group->ItemText(group->ItemIndex())) : std::string();
        break;
    }
    case KvControlKind::Edit: {
        auto edit = [&](int k) { return static_cast<QLineEdit*>(a.Controls[static_cast<std::size_t>(k)].data()); };
        if (n == 1) {
            text = ss(edit(0)->text());
            break;
        }
        std::vector<std::string> fields;
        fields.reserve(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k)
            fields.push_back(ss(edit(k)->text()));
        text = KvJoinEditFields(a.FieldSyntax, fields);
        break;
    }
    default:
        fail(KvBadControlType);
    }
    if (options)
        text = options->ValueOf(text);
    return text;
}

void KvSNMPRequest2Edits::ReadControls(int v)
{
    KvSNMPVarList& vars = Variables();
    for (int i = 0; i < vars.Count(); ++i) {
        if ((v != -1 && i != v) || !vars.IsSettable(i))
            continue;
        std::vector<const KvControlAssociation*> mine;
        bool anyField = false;
        for (const auto& a : associations_) {
            if (a->Variable != i)
                continue;
            bool complete = true;
            for (const QPointer<QWidget>& c : a->Controls)
                complete = complete && c;
            if (!complete)
                continue;
            mine.push_back(a.get());
            anyField = anyField || IsField(*a);
        }
        if (mine.empty())
            continue;
        KvSNMPVarItem& item = vars.ItemAt(i);
        try {
            item.Value = ReadVariable(item, mine, anyField);
        } catch (const KvSNMPException& e) {
            // A mistyped field names the value it belongs to.
            if (e.Code() != KvLibraryCode(KvBadPartialValue))
                throw;
            throw KvSNMPException(e.Code(), e.Message() + " (" + (item.Caption.empty() ? item.Oid : item.Caption) + ")");
        }
    }
}

std::string KvSNMPRequest2Edits::ReadVariable(const KvSNMPVarItem& item,
                                              const std::vector<const KvControlAssociation*>& mine, bool anyField) const
{
    std::string value;
    if (!anyField) {
        // A whole value is taken as the control shows it; going through the
        // octet form would turn an emptied or mistyped number into 0.
        for (const KvControlAssociation* a : mine)
            value = ReadAssociation(*a);
    } else {
        std::string octets = KvFieldToOctets(item.Options ? item.Options->ValueOf(item.Value) : item.Value, item.Syntax);
        if (KvSyntaxCodecOf(item.Syntax).PlainText)
            octets.clear();   // rebuilt from its fields
        for (const KvControlAssociation* a : mine) {
            const std::string field = KvFieldToOctets(ReadAssociation(*a), a->FieldSyntax);
            if (!IsField(*a)) {
                octets = field;   // a whole value replaces, it is not laid over the old one
                continue;
            }
            const auto offset = static_cast<std::size_t>(a->ByteOffset);
            if (octets.size() < offset + field.size())
                octets.resize(offset + field.size(), '\0');
            octets.replace(offset, field.size(), field);
        }
        value = KvFieldText(octets, item.Syntax);
    }
    return item.Options ? item.Options->LabelOf(value) : value;
}

// ---- list view ---------------------------------------------------------------------

void KvSNMPRequest2Edits::AttachListView(QTreeWidget* list, bool followSelection)
{
    if (selectionConnection_)
        QObject::disconnect(selectionConnection_);
    list_ = list;
    follow_ = followSelection ? 1 : 0;
    columnVariables_.clear();
    if (!list)
        return;
    KvSetupReportList(list);
    // Handlers connected earlier keep running, and run first.
    selectionConnection_ = QObject::connect(list, &QTreeWidget::itemSelectionChanged, list,
                                            [this] { OnSelectionChanged(); });
    MakeColumns();
}

void KvSNMPRequest2Edits::MakeColumns()
{
    const KvSNMPVarList& vars = Variables();
    std::vector<int> hidden, shown;
    for (int i = 0; i < vars.Count(); ++i) {
        if (vars.IsSkipped(i))
            hidden.push_back(i);
        else if (vars.IsShown(i))
            shown.push_back(i);
    }
    std::vector<int> order = hidden;
    order.insert(order.end(), shown.begin(), shown.end());
    if (list_->columnCount() >= static_cast<int>(order.size()) && !columnVariables_.empty())
        return;   // the columns stay, and so does what each of them shows
    columnVariables_ = order;
    if (list_->columnCount() >= static_cast<int>(order.size()))
        return;
    std::vector<KvReportColumn> columns;
    for (int i : order)
        columns.push_back({qs(vars.ItemAt(i).Caption), vars.IsSkipped(i) ? 0 : KvReportColumn::FitHeader});
    KvSetReportColumns(list_, columns);
}

void KvSNMPRequest2Edits::BeforeGet()
{
    newRows_.clear();
    replacing_ = false;
    if (!list_)
        return;
    MakeColumns();
    if (keepRows_ && list_->topLevelItemCount() > 0)
        replacing_ = true;
    else
        KvClearReportRows(list_);
}

void KvSNMPRequest2Edits::ValuesReceived()
{
    if (!list_) {
        UpdateControls(-1);
        return;
    }
    if (columnVariables_.empty())
        return;
    const KvSNMPVarList& vars = Variables();
    if (replacing_) {
        QStringList cells;
        cells.reserve(static_cast<qsizetype>(columnVariables_.size()));
        for (int v : columnVariables_)
            cells << qs(vars.ItemAt(v).Value);
        newRows_.push_back(std::move(cells));
        return;
    }
    QStringList subItems;
    for (std::size_t c = 1; c < columnVariables_.size(); ++c)
        subItems << qs(vars.ItemAt(columnVariables_[c]).Value);
    KvAddReportRow(list_, qs(vars.ItemAt(columnVariables_.front()).Value), subItems);
    // The list grows visibly while the table is read; the user's input waits,
    // so that nothing can close the view under a response being handled.  A few
    // times a second is enough to see it grow: once per row, the pass through
    // the event loop would cost a long table more than its rows do.
    if (!shown_.isValid() || shown_.hasExpired(kShowEveryMs)) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        shown_.start();
    }
}

void KvSNMPRequest2Edits::ReadSelectedRow()
{
    if (!list_)
        return;
    const int row = KvSelectedReportRow(list_);
    if (row < 0)
        return;
    KvSNMPVarList& vars = Variables();
    for (std::size_t c = 0; c < columnVariables_.size(); ++c)
        vars.ItemAt(columnVariables_[c]).Value = ss(KvReportCell(list_, row, static_cast<int>(c)));
}

void KvSNMPRequest2Edits::CollectValues()
{
    KvSNMPVarList& vars = Variables();
    for (int i = 0; i < vars.Count(); ++i)
        vars.ItemAt(i).Value.clear();
    if (list_)
        ReadSelectedRow();
    ReadControls(-1);
}

void KvSNMPRequest2Edits::AfterGet()
{
    if (std::exchange(replacing_, false) && list_ && ReadComplete()) {
        if (OnRowsReplacing)
            OnRowsReplacing();
        KvReplaceReportRows(list_, newRows_);
    }
    newRows_ = {};
    if (list_ && follow_ && Variables().ItemType == MVT_FMV)
        EnableControls(false);
    if (afterNextRead_)
        std::exchange(afterNextRead_, {})();
}

void KvSNMPRequest2Edits::GetFailed(const KvSNMPError& error)
{
    if (!std::exchange(replacing_, false)) {
        KvSNMPRequest2Controls::GetFailed(error);
        return;
    }
    newRows_ = {};
    KvSNMPError kept = error;
    kept.Message += " The rows shown are those of the last complete read.";
    KvSNMPRequest2Controls::GetFailed(kept);
}

std::vector<int> KvSNMPRequest2Edits::KeyColumns() const
{
    std::vector<int> columns;
    const int keys = Variables().PKeyCount;
    for (std::size_t c = 0; c < columnVariables_.size(); ++c)
        if (keys <= 0 || columnVariables_[c] < keys)
            columns.push_back(static_cast<int>(c));
    return columns;
}

QStringList KvSNMPRequest2Edits::RowKey(int row) const
{
    QStringList key;
    if (!list_ || row < 0 || row >= list_->topLevelItemCount())
        return key;
    const QTreeWidgetItem* item = list_->topLevelItem(row);
    for (int c : KeyColumns())
        key << item->text(c);
    return key;
}

int KvSNMPRequest2Edits::RowWithKey(const QStringList& key) const
{
    if (!list_ || key.isEmpty())
        return -1;
    const std::vector<int> columns = KeyColumns();
    if (columns.size() != static_cast<std::size_t>(key.size()))
        return -1;
    for (int r = 0; r < list_->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* item = list_->topLevelItem(r);
        bool same = true;
        for (std::size_t k = 0; k < columns.size() && same; ++k)
            same = item->text(columns[k]) == key[static_cast<qsizetype>(k)];
        if (same)
            return r;
    }
    return -1;
}

bool KvSNMPRequest2Edits::SelectRowByKey(const QString& key)
{
    if (!list_ || Variables().PKeyCount < 1)
        return false;
    // The keys lead the list: the first key is variable 0.
    const auto column = std::find(columnVariables_.begin(), columnVariables_.end(), 0);
    if (column == columnVariables_.end())
        return false;
    const int c = static_cast<int>(column - columnVariables_.begin());
    for (int r = 0; r < list_->topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = list_->topLevelItem(r);
        if (item->text(c) != key)
            continue;
        list_->setCurrentItem(item);
        item->setSelected(true);
        list_->scrollToItem(item);
        return true;
    }
    return false;
}

void KvSNMPRequest2Edits::EnableControls(bool enabled)
{
    for (const auto& a : associations_)
        for (const QPointer<QWidget>& c : a->Controls)
            if (c)
                c->setEnabled(enabled);
}

void KvSNMPRequest2Edits::OnSelectionChanged()
{
    const int row = list_ ? KvSelectedReportRow(list_) : -1;
    QTreeWidgetItem* item = row >= 0 ? list_->topLevelItem(row) : nullptr;
    const bool selected = item != nullptr;
    try {
        RowSelected(list_, selected ? item : nullptr, selected);
    } catch (const KvSNMPException& e) {
        ReportError(e.Message());
    }
}

void KvSNMPRequest2Edits::RowSelected(QTreeWidget*, QTreeWidgetItem*, bool selected)
{
    if (!selected)
        return;
    if (follow_)
        EnableControls(true);
    if (list_)
        ReadSelectedRow();
    UpdateControls(-1);
}
