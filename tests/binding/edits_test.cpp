// Values between a variable list and real widgets: every association kind read
// out and back, fields and bits of octet values, and the association errors.
#include "KvControls.h"
#include "KvSNMPRequest2Edits.h"

#include "KvTestUtil.h"
#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace KvSyntax;

const KvOptionDef kStatusRows[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const KvOptionList kStatus(kStatusRows, KvOptionList::IntegerValues);

class Edits : public ::testing::Test {
protected:
    // Adds a writable scalar and gives its index.
    int add(std::uint32_t syntax, const std::string& value, const KvOptionList* options = nullptr)
    {
        auto& vars = binding.Variables();
        vars.AppendItem("1.3.6.1.4.1.97531.99." + std::to_string(vars.Count() + 1), "Item", syntax,
                        KvAccess::ReadWrite, options);
        vars.ItemAt(vars.Count() - 1).Value = value;
        return vars.Count() - 1;
    }
    std::string value(int v) { return binding.Variables().ItemAt(v).Value; }
    template <typename W>
    W* make() { return new W(&form); }
    QList<QLineEdit*> edits(int n)
    {
        QList<QLineEdit*> list;
        for (int i = 0; i < n; ++i)
            list << make<QLineEdit>();
        return list;
    }

    QWidget form;
    KvSNMPRequest2Edits binding{&form};
};

TEST_F(Edits, ComboBoxByLabelAndByValue)
{
    // The variable's own list: the value text is a label.
    const int own = add(Integer, "disabled", &kStatus);
    // A list given with the association: the value text is the raw number.
    const int given = add(Integer, "2");
    auto* a = make<QComboBox>();
    auto* b = make<QComboBox>();
    binding.AssociateComboBox(own, a);
    binding.AssociateControls(given, 0, Integer, &kStatus, b);
    binding.UpdateControls();
    EXPECT_FALSE(a->isEditable());
    EXPECT_EQ(a->count(), 2);
    EXPECT_EQ(a->currentText(), "disabled");
    EXPECT_EQ(b->currentText(), "disabled");

    a->setCurrentIndex(0);
    b->setCurrentIndex(0);
    binding.ReadControls();
    EXPECT_EQ(value(own), "enabled");
    EXPECT_EQ(value(given), "1");
}

TEST_F(Edits, RadioGroupAndLabel)
{
    const int v = add(Integer, "enabled", &kStatus);
    const int t = add(DisplayStr, "rack 7");
    auto* group = make<KvRadioGroup>();
    auto* label = make<QLabel>();
    binding.AssociateControls(v, 0, Integer, nullptr, group);
    binding.AssociateText(t, label);
    binding.UpdateControls();
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_EQ(label->text(), "rack 7");
    group->SetItemIndex(1);
    label->setText("rack 8");
    binding.ReadControls();
    EXPECT_EQ(value(v), "disabled");
    EXPECT_EQ(value(t), "rack 8");
}

TEST_F(Edits, CheckBitsOfAPortList)
{
    const int v = add(OctetStr, "A0");
    QList<QCheckBox*> boxes{make<QCheckBox>(), make<QCheckBox>(), make<QCheckBox>()};
    binding.AssociateCheckBits(v, "0,1,2", boxes);
    binding.UpdateControls();
    EXPECT_TRUE(boxes[0]->isChecked());
    EXPECT_FALSE(boxes[1]->isChecked());
    EXPECT_TRUE(boxes[2]->isChecked());

    boxes[0]->setChecked(false);
    boxes[1]->setChecked(true);
    binding.ReadControls();
    EXPECT_EQ(value(v), "60");

    // A bit in the second byte grows the value on reading and is out of range on showing.
    binding.Dissociate(v);
    QList<QCheckBox*> two{make<QCheckBox>(), make<QCheckBox>()};
    binding.AssociateCheckBits(v, "0,9", two);
    two[0]->setChecked(true);
    two[1]->setChecked(true);
    binding.ReadControls();
    EXPECT_EQ(value(v), "8040");
    binding.Variables().ItemAt(v).Value = "A0";
    EXPECT_EQ(codeOf([&] { binding.UpdateControls(); }), -519);
}

TEST_F(Edits, SingleCheckBox)
{
    // Entry 0 is the unchecked value, entry 1 the checked one.
    const int listed = add(Integer, "2");
    const int plain = add(Boolean, "true");
    auto* a = make<QCheckBox>();
    auto* b = make<QCheckBox>();
    binding.AssociateControls(listed, 0, Integer, &kStatus, a);
    binding.Associate(plain, b);
    binding.UpdateControls();
    EXPECT_TRUE(a->isChecked());
    EXPECT_TRUE(b->isChecked());
    a->setChecked(false);
    b->setChecked(false);
    binding.ReadControls();
    EXPECT_EQ(value(listed), "1");
    EXPECT_EQ(value(plain), "false");

    binding.Variables().ItemAt(listed).Value = "7";   // matches no entry
    a->setChecked(true);
    binding.UpdateControls(listed);
    EXPECT_FALSE(a->isChecked());

    // Without a list only boolean syntaxes fit a check box.
    const int number = add(Integer, "1");
    binding.Associate(number, make<QCheckBox>());
    EXPECT_EQ(codeOf([&] { binding.UpdateControls(number); }), -517);
    EXPECT_EQ(codeOf([&] { binding.ReadControls(number); }), -517);
}

TEST_F(Edits, AddressEdits)
{
    const int v = add(IpAddress, "10.1.2.3");
    const QList<QLineEdit*> e = edits(4);
    binding.AssociateEdits(v, "%i{n0x255l3}%i{n0x255l3}%i{n0x255l3}%i{n0x255l3}", e);
    for (QLineEdit* edit : e)
        EXPECT_TRUE(binding.Constraint().IsAttached(edit));
    binding.UpdateControls();
    EXPECT_EQ(e[0]->text() + e[1]->text() + e[2]->text() + e[3]->text(), "10123");

    binding.Variables().ItemAt(v).Value = "(NULL)";
    binding.UpdateControls();
    EXPECT_EQ(e[3]->text(), "3");   // unchanged

    e[0]->setText("192");
    e[1]->setText("168");
    e[2]->setText("0");
    e[3]->setText("1");
    binding.ReadControls();
    EXPECT_EQ(value(v), "192.168.0.1");
}

TEST_F(Edits, MultiEditSyntaxes)
{
    struct Case {
        std::uint32_t syntax;
        int edits;
        std::string value;
        QStringList shown;
    };
    const std::vector<Case> cases = {
        {OctetStr, 3, "0A0B0C", {"0A", "0B", "0C"}},
        {MacAddress, 6, "00A0C91E2F01", {"00", "A0", "C9", "1E", "2F", "01"}},
        {ObjectId, 4, "1.3.6.1", {"1", "3", "6", "1"}},
        {TimeTicks, 5, "1 day 2:03:04.05", {"1", "2", "3", "4", "5"}},
        {DateTime, 10, "2024-3-9,13:5:6.7,-5:30", {"2024", "3", "9", "13", "5", "6", "7", "-", "5", "30"}},
        {BcDateTime, 7, "2021/07/04 03:15:30 pm", {"2021", "7", "4", "15", "15", "30", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const int v = add(c.syntax, c.value);
        const QList<QLineEdit*> e = edits(c.edits);
        binding.AssociateEdits(v, QString("%s").repeated(c.edits), e);
        binding.UpdateControls(v);
        QStringList shown;
        for (QLineEdit* edit : e)
            shown << edit->text();
        EXPECT_EQ(shown, c.shown);
        binding.Variables().ItemAt(v).Value.clear();
        binding.ReadControls(v);
        EXPECT_EQ(value(v), c.value);
    }
}

// Regression: a day-count field holding no calendar date (not a number, or
// far beyond any year) was cast to a day number, which is undefined; the edits
// now refuse it as a value the date edits cannot show.
TEST_F(Edits, DayCountFieldBeyondTheCalendarIsRefused)
{
    for (const char* octets : {"000000000000F87F", "9C7500883CE4377E"}) {
        SCOPED_TRACE(octets);
        const int v = add(OctetStr, octets);
        binding.AssociateEditsField(v, 0, BcDateTime, nullptr, QString("%s").repeated(7), edits(7));
        EXPECT_EQ(codeOf([&] { binding.UpdateControls(v); }), -518);
    }
}

TEST_F(Edits, TooFewEdits)
{
    const int octets = add(OctetStr, "AABBCC");
    binding.AssociateEdits(octets, "%s%s", edits(2));
    EXPECT_EQ(codeOf([&] { binding.UpdateControls(); }), -522);

    const int address = add(IpAddress, "10.0.0.1");
    binding.AssociateEdits(address, "%s%s%s", edits(3));
    EXPECT_EQ(codeOf([&] { binding.UpdateControls(address); }), -522);
    EXPECT_EQ(codeOf([&] { binding.ReadControls(address); }), -522);

    // More specifiers than edits.
    EXPECT_EQ(codeOf([&] { binding.AssociateEdits(address, "%s%s", edits(1)); }), -522);
}

TEST_F(Edits, AssociationErrors)
{
    const int v = add(Integer, "1");
    EXPECT_EQ(codeOf([&] { binding.Associate(v, make<QPlainTextEdit>()); }), -521);
    EXPECT_EQ(codeOf([&] { binding.AssociateComboBox(v, make<QComboBox>()); }), -520);
    EXPECT_EQ(codeOf([&] { binding.Associate(v, make<KvRadioGroup>()); }), -520);
    const KvOptionDef prefixRows[] = {{0, "Port ", "1.3.6.1"}, {0, nullptr}};
    const KvOptionList prefix(prefixRows, KvOptionList::PrefixValues);
    EXPECT_EQ(codeOf([&] { binding.AssociateControls(v, 0, ObjectId, &prefix, make<QComboBox>()); }), -522);
    EXPECT_EQ(binding.AssociationCount(), 0);
}

TEST_F(Edits, PrefixListWithSecondControl)
{
    const KvOptionDef rows[] = {{0, "private", "1.3.6.1.4.1"}, {0, "mib-2", "1.3.6.1.2.1"}, {0, nullptr}};
    const KvOptionList prefix(rows, KvOptionList::PrefixValues);
    const int v = add(ObjectId, "1.3.6.1.2.1.31.1");
    auto* combo = make<QComboBox>();
    auto* rest = make<QLineEdit>();
    binding.AssociateControls(v, 0, ObjectId, &prefix, combo, rest);
    binding.UpdateControls();
    EXPECT_EQ(combo->currentText(), "mib-2");
    EXPECT_EQ(rest->text(), "31.1");
    combo->setCurrentIndex(0);
    rest->setText("97531.1");
    binding.ReadControls();
    EXPECT_EQ(value(v), "1.3.6.1.4.1.97531.1");
}

TEST_F(Edits, FieldsOfAnOctetValue)
{
    // Byte 0 stays, bytes 1-2 are a 16-bit number (network order), byte 3 a flag.
    const int v = add(OctetStr, "FF0102C0");
    auto* number = make<QLineEdit>();
    auto* flag = make<QCheckBox>();
    binding.AssociateEditsField(v, 1, UInt16, nullptr, "%u", {number});
    binding.AssociateControls(v, 3, Bool8, nullptr, flag);
    binding.UpdateControls();
    EXPECT_EQ(number->text(), "258");
    EXPECT_TRUE(flag->isChecked());
    number->setText("513");
    flag->setChecked(false);
    binding.ReadControls();
    EXPECT_EQ(value(v), "FF020100");

    // A field beyond a short value.
    binding.Variables().ItemAt(v).Value = "FF01";
    EXPECT_EQ(codeOf([&] { binding.UpdateControls(); }), -519);
    // Reading grows the value to hold the field.
    binding.Variables().ItemAt(v).Value = "FF";
    binding.ReadControls();
    EXPECT_EQ(value(v), "FF020100");
}

TEST_F(Edits, WholeValueReplacesALongerOne)
{
    const int v = add(OctetStr, "AABBCCDD");
    auto* edit = make<QLineEdit>();
    binding.Associate(v, edit);
    binding.UpdateControls();
    edit->setText("11");
    binding.ReadControls();
    EXPECT_EQ(value(v), "11");
    // An emptied number edit stays empty instead of becoming 0.
    const int n = add(Integer, "5");
    auto* numberEdit = make<QLineEdit>();
    binding.Associate(n, numberEdit);
    numberEdit->clear();
    binding.ReadControls(n);
    EXPECT_EQ(value(n), "");
}

TEST_F(Edits, OnlySendableVariablesAreRead)
{
    const int v = add(Integer, "1");
    binding.Variables().ItemAt(v).Access = KvAccess::ReadOnly;
    auto* edit = make<QLineEdit>();
    binding.Associate(v, edit);
    edit->setText("9");
    binding.ReadControls();
    EXPECT_EQ(value(v), "1");
    // Invalid variables are not shown either.
    binding.Variables().ItemAt(v).Access = KvAccess::ReadWrite | KvAccess::Invalid;
    binding.UpdateControls();
    EXPECT_EQ(edit->text(), "9");
}

TEST_F(Edits, DissociateRemovesEveryAssociationOfTheVariable)
{
    const int v = add(IpAddress, "10.0.0.1");
    const int other = add(Integer, "3");
    const QList<QLineEdit*> e = edits(4);
    auto* label = make<QLabel>();
    auto* otherEdit = make<QLineEdit>();
    binding.AssociateEdits(v, "%s%s%s%s", e);
    binding.AssociateText(v, label);
    binding.AssociateEdits(other, "%i", {otherEdit});
    binding.Dissociate(v);
    ASSERT_EQ(binding.AssociationCount(), 1);
    EXPECT_EQ(binding.Association(0).Variable, other);
    for (QLineEdit* edit : e)
        EXPECT_FALSE(binding.Constraint().IsAttached(edit));
    EXPECT_TRUE(binding.Constraint().IsAttached(otherEdit));
    binding.UpdateControls();
    EXPECT_EQ(label->text(), "");
    EXPECT_EQ(otherEdit->text(), "3");
}

TEST_F(Edits, ControlsDestroyedBeforeTheBindingAreSkipped)
{
    const int v = add(Integer, "4");
    auto* edit = make<QLineEdit>();
    binding.Associate(v, edit);
    delete edit;
    binding.UpdateControls();
    binding.ReadControls();
    EXPECT_EQ(value(v), "4");
}

}  // namespace
