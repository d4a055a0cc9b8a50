#include "dialogs/device/Summertime.h"
#include "dialogs/device/DeviceOpeners.h"

#include "defs/ViewDefinitions.h"

#include "binding/KvSNMPRequest2Edits.h"
#include "binding/KvUserNotice.h"
#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPVarDef.h"
#include "views/Viewmodal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>

#include <exception>

namespace {

using namespace KvSyntax;
using namespace KvAccess;

constexpr int kValueWidth = 240;

// Fields of a point: where each part of its row sits in the octet string.
struct PointPart {
    bool List;                    // drop-down list, else an edit
    int Offset;
    std::uint32_t Syntax;
    const KvOptionList* Options;
    const char* Hint;
};

// Left to right: month, week, weekday, hour, minute.  The weekday takes two
// octets, most significant first.
const PointPart kRepeatingParts[] = {
    {true, 3, UInt8, &SummerMonthOptions, nullptr},
    {true, 0, UInt8, &SummerWeekOptions, nullptr},
    {true, 1, UInt16, &SummerWeekdayOptions, nullptr},
    {false, 4, UInt8, nullptr, "Hour"},
    {false, 5, UInt8, nullptr, "Minute"},
};
// Day, month, hour, minute.
const PointPart kAnnualParts[] = {
    {false, 0, UInt8, nullptr, "Day"},
    {true, 1, UInt8, &SummerMonthOptions, nullptr},
    {false, 2, UInt8, nullptr, "Hour"},
    {false, 3, UInt8, nullptr, "Minute"},
};

// Where the month of a point sits in its octets.
constexpr int kRepeatingMonthOffset = 3;
constexpr int kAnnualMonthOffset = 1;

// Days of each month; February without a leap day.
constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// A typed number; -1 for a text that is none.
int wholeNumber(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? n : -1;
}

} // namespace

// ---------------------------------------------------------------------------

TSummerTimePanel::TSummerTimePanel(TSummerTimeForm* form, KvSNMPRequest2Edits* binding)
    : TSNMPEditorPanel(form, binding), form_(form)
{
}

void TSummerTimePanel::BT_RefreshClick()
{
    form_->Read();
}

void TSummerTimePanel::BT_SetCheckedClick()
{
    form_->Set();
}

// ---------------------------------------------------------------------------

TSummerTimeForm::TSummerTimeForm(QWidget* owner, const QString& caption)
    : QDialog(owner), binding_(std::make_unique<KvSNMPRequest2Edits>(this))
{
    setWindowTitle(caption);
    KvSNMPVarList& vars = binding_->Variables();
    AppendBinding(vars, SummerTimeBinding);
    // Only four offsets are valid: the row offers them instead of taking text.
    vars.ItemAt(StOffset).Options = &SummerOffsetOptions;
    binding_->SetMode(KvSNMPRequest2Controls::Synchronous);

    panel_ = new TSummerTimePanel(this, binding_.get());
    panel_->SetEditWidth(kValueWidth);
    for (int row = StRepeatStart; row <= StAnnualEnd; ++row)
        BuildPointRow(row);
    connect(StatusList(), &QComboBox::currentIndexChanged, this, &TSummerTimeForm::ShowMode);
    connect(StatusList(), &QComboBox::activated, this, &TSummerTimeForm::ReadShownPoints);

    Rows()->SetRowValue(StStatus, QStringLiteral("repeating"));
    ShowMode();
    panel_->SetContent(Rows());
    panel_->AttachToForm(this);
    resize(panel_->size());
    Read();
}

TSummerTimeForm::~TSummerTimeForm()
{
    binding_->Request().Alive = false;
}

QComboBox* TSummerTimeForm::StatusList() const
{
    return qobject_cast<QComboBox*>(Rows()->Row(StStatus).Control);
}

QComboBox* TSummerTimeForm::OffsetList() const
{
    return qobject_cast<QComboBox*>(Rows()->Row(StOffset).Control);
}

QComboBox* TSummerTimeForm::PartCombo(int row, int part) const
{
    return qobject_cast<QComboBox*>(PartList(row).value(part + 1));
}

QLineEdit* TSummerTimeForm::PartEdit(int row, int part) const
{
    return qobject_cast<QLineEdit*>(PartList(row).value(part + 1));
}

void TSummerTimeForm::BuildPointRow(int row)
{
    const bool repeating = row == StRepeatStart || row == StRepeatEnd;
    const PointPart* parts = repeating ? kRepeatingParts : kAnnualParts;
    const int count = repeating ? 5 : 4;
    const int colonAfter = repeating ? 3 : 2;   // the hour, followed by ":" and the minute

    const QWidget* old = Rows()->Row(row).Control;
    auto* container = new QFrame;
    container->setFrameShape(QFrame::NoFrame);
    container->resize(old->size());
    const int w = container->width();
    const int h = container->height();

    QList<QWidget*>& list = parts_.at(static_cast<std::size_t>(row - StRepeatStart));
    list = {container};
    QList<QWidget*> controls;
    for (int i = 0; i < count; ++i) {
        const PointPart& p = parts[i];
        QWidget* control = nullptr;
        if (p.List) {
            auto* combo = new QComboBox(container);
            combo->setGeometry(w * i / count, 0, w / count, h);
            control = combo;
        } else {
            auto* edit = new QLineEdit(container);
            // The edits keep a small gap to their left neighbour.
            const int gap = repeating || i > 1 ? 4 : 0;
            edit->setGeometry(w * i / count + gap, 0, w / count - 4, h);
            edit->setToolTip(QString::fromUtf8(p.Hint));
            control = edit;
        }
        list << control;
        controls << control;
    }
    auto* colon = new QLabel(QStringLiteral(":"), container);
    QFont bold = colon->font();
    bold.setBold(true);
    colon->setFont(bold);
    colon->adjustSize();
    colon->move(controls[colonAfter]->geometry().right() + 1, 2);

    Rows()->SetCompositeRow(row, container, controls);
    for (int i = 0; i < count; ++i) {
        const PointPart& p = parts[i];
        if (p.List)
            binding_->AssociateComboBoxField(row, p.Offset, p.Syntax, p.Options, static_cast<QComboBox*>(controls[i]));
        else
            binding_->AssociateEditsField(row, p.Offset, p.Syntax, nullptr, QStringLiteral("%i"),
                                          {static_cast<QLineEdit*>(controls[i])});
    }
}

int TSummerTimeForm::Mode() const
{
    const QComboBox* status = StatusList();
    if (status->currentIndex() < 0)
        return -1;
    return SummerTimeStatusOptions.IndexOfLabel(status->currentText().toStdString());
}

void TSummerTimeForm::ShowMode()
{
    const int mode = Mode();
    for (int row = StRepeatStart; row <= StAnnualEnd; ++row) {
        const bool repeatingRow = row <= StRepeatEnd;
        if ((mode == 1 && repeatingRow) || (mode == 2 && !repeatingRow)) {
            Rows()->ShowRow(row);
        } else {
            Rows()->HideRow(row);
            Rows()->UncheckRow(row);
        }
    }
    Rows()->ArrangeRows();
}

void TSummerTimeForm::IncludeOnly(std::initializer_list<int> rows)
{
    KvSNMPVarList& vars = binding_->Variables();
    for (int i = 0; i < StRowCount; ++i)
        vars.ItemAt(i).Access |= Invalid;
    for (int i : rows)
        vars.ItemAt(i).Access &= ~Invalid;
}

int TSummerTimeForm::FirstPointRow(int mode)
{
    return mode == 1 ? StRepeatStart : mode == 2 ? StAnnualStart : -1;
}

void TSummerTimeForm::IncludeModeRows()
{
    KvSNMPVarList& vars = binding_->Variables();
    const int first = FirstPointRow(Mode());
    if (first < 0)
        return;
    vars.ItemAt(first).Access &= ~Invalid;
    vars.ItemAt(first + 1).Access &= ~Invalid;
}

bool TSummerTimeForm::GetReported()
{
    try {
        binding_->Get();
        return true;
    } catch (const std::exception& e) {
        binding_->ShowStatus(e.what());
        return false;
    }
}

void TSummerTimeForm::IncludeAll()
{
    IncludeOnly({StStatus, StOffset, StRepeatStart, StRepeatEnd, StAnnualStart, StAnnualEnd});
}

void TSummerTimeForm::Read()
{
    // A status the user chose and has not written yet stays, and its points
    // are read: Refresh must not undo the choice it is asked to show.
    const int chosen = StatusList()->currentIndex();
    const bool keepChosen = agentStatus_ != kNotRead && chosen != agentStatus_;
    IncludeOnly({StStatus});
    if (GetReported())
        agentStatus_ = StatusList()->currentIndex();
    if (keepChosen)
        StatusList()->setCurrentIndex(chosen);
    ShowMode();
    pointsRead_ = {};
    IncludeOnly({StOffset});
    IncludeModeRows();
    if (GetReported() && Mode() >= 1)
        pointsRead_[static_cast<std::size_t>(Mode() - 1)] = true;
    IncludeAll();
}

void TSummerTimeForm::ReadShownPoints()
{
    // The other mode's points were not read with the status; the switch's
    // points, not empty fields, are what the user starts from.
    const int first = FirstPointRow(Mode());
    if (first < 0 || pointsRead_[static_cast<std::size_t>(Mode() - 1)])
        return;
    IncludeOnly({first, first + 1});
    if (GetReported())
        pointsRead_[static_cast<std::size_t>(Mode() - 1)] = true;
    IncludeAll();
}

int TSummerTimeForm::AgentMonth(int row)
{
    // A binding of its own, so that the row's controls keep what they show.
    KvSNMPRequest2Edits probe(this);
    probe.SetMode(KvSNMPRequest2Controls::Synchronous);
    KvSNMPVarList& vars = probe.Variables();
    vars.ItemType = SVT_SV;
    const KvSNMPVarDef& def = SummerTimeDefs[row];
    vars.AppendItem(def.Oid, def.Caption, def.Syntax, def.Access);
    try {
        probe.Get();
    } catch (const std::exception&) {
        return -1;   // unknown: the agent judges the write
    }
    const int offset = row <= StRepeatEnd ? kRepeatingMonthOffset : kAnnualMonthOffset;
    bool ok = false;
    const int month = QString::fromStdString(vars.ItemAt(0).Value).mid(2 * offset, 2).toInt(&ok, 16);
    return ok && month >= 1 && month <= 12 ? month - 1 : -1;
}

void TSummerTimeForm::Set()
{
    if (!Validate())
        return;
    auto checked = [this](int row) { return Rows()->Row(row).Check->isChecked(); };

    IncludeOnly({StStatus});
    if (checked(StStatus) && panel_->StandardSetChecked())
        agentStatus_ = StatusList()->currentIndex();

    // A failed status write does not stop the offset and the points.
    IncludeOnly({StOffset});
    IncludeModeRows();
    const KvSNMPVarList& vars = binding_->Variables();
    bool any = false;
    for (int row = StOffset; row < StRowCount; ++row)
        any = any || (!(vars.ItemAt(row).Access & Invalid) && checked(row));
    if (any)
        panel_->StandardSetChecked();
    IncludeAll();
}

bool TSummerTimeForm::Validate()
{
    auto refuse = [this](const char* text) {
        KvShowAppMessage(this, QString::fromUtf8(text));
        return false;
    };
    auto checked = [this](int row) { return Rows()->Row(row).Check->isChecked(); };
    constexpr const char* kTimeError = "Time error.";

    if (checked(StStatus) && StatusList()->currentIndex() < 0)
        return refuse("Please choose Summer Time Status.");
    if (checked(StOffset) && !OffsetList()->currentText().isEmpty()) {
        const int offset = wholeNumber(OffsetList()->currentText());
        if (offset < 30 || offset > 120 || offset % 30 != 0)
            return refuse("Summer Time Offset must chosed from {30, 60, 90, 120}.");
    }
    const int mode = Mode();
    if (mode != 1 && mode != 2)
        return true;

    const int first = mode == 1 ? StRepeatStart : StAnnualStart;
    int months[2] = {-1, -1};
    for (int k = 0; k < 2; ++k) {
        const int row = first + k;
        if (!checked(row))
            continue;
        bool ok = true;
        int hour = 0;
        int minute = 0;
        if (mode == 1) {
            for (int part = 0; part < 3; ++part)
                ok = ok && PartCombo(row, part)->currentIndex() >= 0;
            months[k] = PartCombo(row, 0)->currentIndex();
            hour = wholeNumber(PartEdit(row, 3)->text());
            minute = wholeNumber(PartEdit(row, 4)->text());
        } else {
            const int day = wholeNumber(PartEdit(row, 0)->text());
            months[k] = PartCombo(row, 1)->currentIndex();
            hour = wholeNumber(PartEdit(row, 2)->text());
            minute = wholeNumber(PartEdit(row, 3)->text());
            // Day 0 is no day of any month.
            ok = months[k] >= 0 && day >= 1 && day <= kMonthDays[months[k]];
        }
        ok = ok && hour >= 0 && minute >= 0 && hour <= 23 && minute < 60;
        if (!ok)
            return refuse(kTimeError);
    }
    // A single point written must not meet the other one as the switch has it.
    if (checked(first) != checked(first + 1)) {
        const int written = checked(first) ? 0 : 1;
        months[1 - written] = AgentMonth(first + 1 - written);
    }
    if (months[0] >= 0 && months[0] == months[1])
        return refuse("From month and To month should not be the same.");
    return true;
}

void OpenSummerTimeForm(const DialogRequest& request)
{
    TSummerTimeForm form(request.Window, DeviceDialogCaption(request, "Daylight Saving Time/Summer Time : "));
    TRunModal(form);
}
