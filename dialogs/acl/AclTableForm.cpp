#include "dialogs/acl/AclTableForm.h"

#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Fields sit in two groups side by side; each row is box, label, control.
constexpr int kGroups = 2;
constexpr int kColumnsPerGroup = 3;

}  // namespace

TAclTableForm::TAclTableForm(const KvSNMPVarDef* table, int keyCount, QWidget* parent)
    : TBindingDialog(parent), ListView(new QTreeWidget), grid_(new QGridLayout), fields_(new QVBoxLayout),
      buttons_(new QVBoxLayout)
{
    ListView->setObjectName(QStringLiteral("ListView1"));
    fields_->addLayout(grid_);
    auto* middle = new QHBoxLayout;
    middle->addLayout(fields_, 1);
    middle->addLayout(buttons_);
    auto* main = new QVBoxLayout(this);
    main->addWidget(ListView, 1);
    main->addLayout(middle);
    main->addWidget(StatusBar());
    buttons_->addStretch(1);
    CreateBinding(table, keyCount);
}

TAclTableForm::~TAclTableForm()
{
    // The list, its model and the fields go after the editors' own parts: what
    // they signal while they go must reach no editor.
    DisconnectChildren();
}

void TAclTableForm::SetAgentCaption(const QString& text)
{
    setWindowTitle(text + QString::fromStdString(DefaultDevice.Address));
}

bool TAclTableForm::LineSelected() const
{
    return KvSelectedReportRow(ListView) >= 0;
}

int TAclTableForm::CellColumn(int column) const
{
    if (!Binding())
        return -1;
    const std::vector<int>& shown = Binding()->ColumnVariables();
    for (std::size_t c = 0; c < shown.size(); ++c)
        if (shown[c] == column - 1)
            return static_cast<int>(c);
    return -1;
}

QString TAclTableForm::SelectedCell(int column) const
{
    const int row = KvSelectedReportRow(ListView);
    const int cell = CellColumn(column);
    return row < 0 || cell < 0 ? QString() : KvReportCell(ListView, row, cell);
}

QPushButton* TAclTableForm::MakeButton(const QString& caption, const char* name)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    AddToButtonColumn(b);
    return b;
}

QLabel* TAclTableForm::MakeCounter(const char* name)
{
    auto* counter = new QLabel;
    counter->setObjectName(QString::fromLatin1(name));
    counter->setFrameShape(QFrame::Panel);
    counter->setFrameShadow(QFrame::Sunken);
    counter->setAlignment(Qt::AlignCenter);
    AddToButtonColumn(counter);
    return counter;
}

void TAclTableForm::AddToButtonColumn(QWidget* widget)
{
    buttons_->insertWidget(buttons_->count() - 1, widget);   // above the stretch
}

void TAclTableForm::AddBelowFields(QWidget* widget)
{
    fields_->addWidget(widget, 1);
}

void TAclTableForm::AddRow(const QString& label, QWidget* control, QCheckBox* box)
{
    const int row = nextRow_ / kGroups;
    const int first = nextRow_ % kGroups * kColumnsPerGroup;
    ++nextRow_;
    if (box)
        grid_->addWidget(box, row, first);
    auto* caption = new QLabel(label);
    caption->setBuddy(control);
    grid_->addWidget(caption, row, first + 1);
    grid_->addWidget(control, row, first + 2);
}

QLineEdit* TAclTableForm::BindEdit(const QString& label, int column, const QString& spec, const char* name,
                                   QCheckBox* box)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    AddRow(label, edit, box);
    Binding()->AssociateEdits(column - 1, spec, {edit});
    return edit;
}

QComboBox* TAclTableForm::BindCombo(const QString& label, int column, const char* name, QCheckBox* box)
{
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    AddRow(label, combo, box);
    Binding()->AssociateComboBox(column - 1, combo);
    combo->setCurrentIndex(-1);
    return combo;
}

QLabel* TAclTableForm::BindOwner(const QString& label, int column, const char* name)
{
    auto* owner = new QLabel(QStringLiteral("acl"));
    owner->setObjectName(QString::fromLatin1(name));
    owner->setFrameShape(QFrame::Panel);
    owner->setFrameShadow(QFrame::Sunken);
    AddRow(label, owner);
    Binding()->AssociateText(column - 1, owner);
    return owner;
}

void TAclTableForm::AttachList(const std::function<void()>& onSelection)
{
    Binding()->AttachListView(ListView, false);
    // Connected after the binding's own handler, which fills the controls first.
    connect(ListView, &QTreeWidget::itemSelectionChanged, this, [this, onSelection] {
        if (Binding())
            onSelection();
    });
}

void TAclTableForm::ReadFirst()
{
    Guarded([this] { Binding()->Get(); });
}
