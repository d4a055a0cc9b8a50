#include "KvSNMPRequest2Edits.h"

#include "KvControls.h"
#include "KvOptionWidgets.h"
#include "KvPartialData.h"

#include "kvsnmp/KvConvert.h"
#include "kvsnmp/KvNumList.h"
#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <cmath>
#include <cstring>

namespace {

using namespace KvSyntax;

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

bool isBooleanSyntax(std::uint32_t syntax)
{
    return syntax == Boolean || syntax == Bool8 || syntax == Bool16;
}

bool isOctetKind(std::uint32_t syntax)
{
    return syntax == BitStr || syntax == OctetStr || syntax == Opaque;
}

// Fixed edit counts of the syntaxes shown across several edits; 0 for the others.
int editsNeeded(std::uint32_t syntax)
{
    switch (syntax) {
    case MacAddress: return 6;
    case Ipv6Address: return 16;
    case IpAddress: case NsapAddr: return 4;
    case TimeTicks: return 5;
    case DateTime: return 10;
    case BcDateTime: return 7;
    default: return 0;
    }
}

std::uint8_t byteAt(const std::string& octets, std::size_t i)
{
    return static_cast<std::uint8_t>(octets[i]);
}

// A bcdatetime value is a day count from 1899-12-30 with the time of day as its
// fraction; the edits show it to the millisecond.
const QDate& dayZero()
{
    static const QDate zero(1899, 12, 30);
    return zero;
}

double dayCountOfOctets(const std::string& o)
{
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(byteAt(o, i)) << (8 * i);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

struct CalendarParts {
    int Year, Month, Day, Hour, Minute, Second, Millisecond;
};

CalendarParts partsOfDayCount(double days)
{
    double whole = std::trunc(days);
    auto ms = static_cast<std::int64_t>(std::llround(std::fabs(days - whole) * 86400000.0));
    if (ms >= 86400000) {
        ms -= 86400000;
        whole += days < 0 ? -1 : 1;
    }
    const QDate date = dayZero().addDays(static_cast<qint64>(whole));
    const int t = static_cast<int>(ms);
    return {date.year(), date.month(), date.day(), t / 3600000, t / 60000 % 60, t / 1000 % 60, t % 1000};
}

// The decimal number an edit holds (blank or non-numeric edits count as 0).
std::uint32_t editNumber(const QLineEdit* e)
{
    return KvLeadingUInt32(ss(e->text()));
}

void setControlText(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
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
        throw CommonError(12);
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
        throw CommonError(2);
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
        static_cast<QLabel*>(control)->setText(qs(text));
        return;
    case KvControlKind::CheckBox:
        if (!a.Bits.empty()) {
            const std::string& o = octets();
            for (int k = 0; k < n; ++k) {
                const auto bit = static_cast<std::size_t>(a.Bits[static_cast<std::size_t>(k)]);
                if (bit / 8 >= o.size())
                    fail(KvPartialIndexOutOfRange);
                static_cast<QCheckBox*>(a.Controls[static_cast<std::size_t>(k)].data())
                    ->setChecked((byteAt(o, bit / 8) & (0x80u >> (bit % 8))) != 0);
            }
        } else if (options) {
            int index = options->IndexOfLabel(text);
            if (index < 0)
                index = options->IndexOfValue(text);
            static_cast<QCheckBox*>(control)->setChecked(index > 0);
        } else if (isBooleanSyntax(a.FieldSyntax)) {
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
            if (a.FieldSyntax == ObjectId && !rest.empty())
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
    const std::uint32_t syntax = a.FieldSyntax;
    const int needed = editsNeeded(syntax);
    if (n < needed)
        fail(KvNotEnoughControls);
    // A value not read yet is left alone like a missing one.
    const bool isNull = text == KvNullText || text == KvNotDoneText;
    if (isOctetKind(syntax) || syntax == MacAddress || syntax == Ipv6Address) {
        const std::string& o = octets();
        const int shown = needed ? needed : n;
        if (!needed && static_cast<int>(o.size()) > n)
            fail(KvNotEnoughControls);
        for (int k = 0; k < shown; ++k)
            edit(k)->setText(static_cast<std::size_t>(k) < o.size()
                                 ? QStringLiteral("%1").arg(byteAt(o, static_cast<std::size_t>(k)), 2, 16, QLatin1Char('0')).toUpper()
                                 : QString());
        return;
    }
    switch (syntax) {
    case ObjectId: {
        std::vector<std::uint32_t> ids;
        if (!isNull) {
            auto parsed = KvOidFromText(text);
            if (!parsed)
                fail(KvBadPartialValue);
            ids = *parsed;
        }
        if (static_cast<int>(ids.size()) > n)
            fail(KvNotEnoughControls);
        for (int k = 0; k < n; ++k)
            edit(k)->setText(static_cast<std::size_t>(k) < ids.size() ? QString::number(ids[static_cast<std::size_t>(k)]) : QString());
        return;
    }
    case IpAddress: case NsapAddr: {
        if (isNull)
            return;
        const std::string& o = octets();
        for (int k = 0; k < 4; ++k)
            edit(k)->setText(QString::number(byteAt(o, static_cast<std::size_t>(k))));
        return;
    }
    case TimeTicks: {
        if (isNull)
            return;
        const std::uint32_t t = KvTimeTicksFromText(text);
        const std::uint32_t parts[5] = {t / 8640000, t % 8640000 / 360000, t % 360000 / 6000, t % 6000 / 100, t % 100};
        for (int k = 0; k < 5; ++k)
            edit(k)->setText(QString::number(parts[k]));
        return;
    }
    case DateTime: {
        if (isNull)
            return;
        const std::optional<KvDateTime> parsed = KvDateTime::FromOctets(octets());
        if (!parsed)
            fail(KvBadPartialValue);
        const KvDateTime& dt = *parsed;
        const int parts[] = {dt.Year, dt.Month, dt.Day, dt.Hour, dt.Minutes, dt.Seconds, dt.DeciSeconds};
        for (int k = 0; k < 7; ++k)
            edit(k)->setText(QString::number(parts[k]));
        edit(7)->setText(QString(QChar::fromLatin1(dt.Direction)));
        edit(8)->setText(QString::number(dt.HoursFromUtc));
        edit(9)->setText(QString::number(dt.MinutesFromUtc));
        return;
    }
    case BcDateTime: {
        if (isNull)
            return;
        if (octets().size() < 8)
            fail(KvBadPartialValue);
        const CalendarParts p = partsOfDayCount(dayCountOfOctets(octets()));
        const int parts[] = {p.Year, p.Month, p.Day, p.Hour, p.Minute, p.Second, p.Millisecond};
        for (int k = 0; k < 7; ++k)
            edit(k)->setText(QString::number(parts[k]));
        return;
    }
    default:
        edit(0)->setText(qs(text));
    }
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
        } else if (isBooleanSyntax(a.FieldSyntax)) {
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
            if (a.FieldSyntax == ObjectId && !rest.empty())
                text += '.';
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
        const std::uint32_t syntax = a.FieldSyntax;
        const int needed = editsNeeded(syntax);
        if (n < needed)
            fail(KvNotEnoughControls);
        if (isOctetKind(syntax) || syntax == MacAddress || syntax == Ipv6Address) {
            const int used = needed ? needed : n;
            for (int k = 0; k < used; ++k) {
                const std::string piece = ss(edit(k)->text());
                text += piece.empty() ? std::string("00") : piece.size() == 1 ? "0" + piece : piece;
            }
        } else if (syntax == ObjectId || syntax == IpAddress || syntax == NsapAddr) {
            const int used = syntax == ObjectId ? n : 4;
            for (int k = 0; k < used; ++k) {
                // An identifier shorter than the row of edits leaves the last ones empty.
                if (syntax == ObjectId && edit(k)->text().trimmed().isEmpty())
                    continue;
                if (!text.empty())
                    text += '.';
                text += std::to_string(editNumber(edit(k)));
            }
        } else if (syntax == TimeTicks) {
            std::uint64_t t = std::uint64_t{editNumber(edit(0))} * 8640000 + std::uint64_t{editNumber(edit(1))} * 360000
                + std::uint64_t{editNumber(edit(2))} * 6000 + std::uint64_t{editNumber(edit(3))} * 100
                + editNumber(edit(4));
            text = KvTimeTicksText(static_cast<std::uint32_t>(std::min<std::uint64_t>(t, 0xFFFFFFFFu)));
        } else if (syntax == DateTime) {
            KvDateTime dt;
            dt.Year = static_cast<std::uint16_t>(editNumber(edit(0)));
            dt.Month = static_cast<std::uint8_t>(editNumber(edit(1)));
            dt.Day = static_cast<std::uint8_t>(editNumber(edit(2)));
            dt.Hour = static_cast<std::uint8_t>(editNumber(edit(3)));
            dt.Minutes = static_cast<std::uint8_t>(editNumber(edit(4)));
            dt.Seconds = static_cast<std::uint8_t>(editNumber(edit(5)));
            dt.DeciSeconds = static_cast<std::uint8_t>(editNumber(edit(6)));
            const QString direction = edit(7)->text();
            dt.Direction = direction.isEmpty() ? '+' : direction[0].toLatin1();
            dt.HoursFromUtc = static_cast<std::uint8_t>(editNumber(edit(8)));
            dt.MinutesFromUtc = static_cast<std::uint8_t>(editNumber(edit(9)));
            text = dt.Text();
        } else if (syntax == BcDateTime) {
            const QDate date(static_cast<int>(editNumber(edit(0))), static_cast<int>(editNumber(edit(1))),
                             static_cast<int>(editNumber(edit(2))));
            if (!date.isValid())
                fail(KvBadPartialValue);
            const double fraction = (editNumber(edit(3)) * 3600000.0 + editNumber(edit(4)) * 60000.0
                                     + editNumber(edit(5)) * 1000.0 + editNumber(edit(6))) / 86400000.0;
            const double days = static_cast<double>(dayZero().daysTo(date));
            text = KvDayCountText(days < 0 ? days - fraction : days + fraction);
        } else {
            text = ss(edit(0)->text());
        }
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
        std::string value;
        if (!anyField) {
            // A whole value is taken as the control shows it; going through the
            // octet form would turn an emptied or mistyped number into 0.
            for (const KvControlAssociation* a : mine)
                value = ReadAssociation(*a);
        } else {
            std::string octets = KvFieldToOctets(item.Options ? item.Options->ValueOf(item.Value) : item.Value, item.Syntax);
            if (item.Syntax == DisplayStr)
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
        item.Value = item.Options ? item.Options->LabelOf(value) : value;
    }
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
    if (!list_)
        return;
    MakeColumns();
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
    if (list_ && follow_ && Variables().ItemType == MVT_FMV)
        EnableControls(false);
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
