#include "views/Progress2.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

struct ProgressCase {
    int tickLimit;
    int wantTicks;
};

class ProgressFormTest : public ::testing::TestWithParam<ProgressCase> {};

// The window closes itself after its tick limit, also when the limit lies above
// the bar's maximum (the bar wraps, the ticks go on), and the bar never passes
// its maximum.
TEST_P(ProgressFormTest, ClosesAfterTickLimit)
{
    QWidget parent;
    parent.show();
    auto* form = new TProgressForm2(&parent, &parent);
    form->TickLimit = GetParam().tickLimit;
    form->ProgressTimer->setInterval(1);
    int highest = 0;
    QObject::connect(form->ProgressBar, &QProgressBar::valueChanged,
                     [&highest](int v) { highest = std::max(highest, v); });
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([form] { return !form->isVisible(); }, 20000));
    EXPECT_EQ(form->Ticks(), GetParam().wantTicks);
    EXPECT_FALSE(form->ProgressTimer->isActive());
    EXPECT_LT(highest, form->ProgressBar->maximum());
    // A closed window ticks no more.
    QTest::qWait(20);
    EXPECT_EQ(form->Ticks(), GetParam().wantTicks);
    delete form;
}

INSTANTIATE_TEST_SUITE_P(Limits, ProgressFormTest,
                         ::testing::Values(ProgressCase{30, 30}, ProgressCase{100, 100}));

TEST(ProgressForm, DesignedLayoutAndModalEnd)
{
    TProgressForm2 form(nullptr, nullptr);
    EXPECT_EQ(form.windowTitle(), "Progress");
    EXPECT_EQ(form.size(), QSize(358, 66));
    EXPECT_EQ(form.ProgressBar->minimum(), 0);
    EXPECT_EQ(form.ProgressBar->maximum(), 76);
    EXPECT_EQ(form.ProgressTimer->interval(), 1000);
    EXPECT_TRUE(form.ProgressTimer->isActive());
    // Run modally, as the dialogs do: the modal loop ends on its own.
    form.TickLimit = 3;
    form.ProgressTimer->setInterval(1);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &form, [&form] { form.done(-7); });
    guard.start(10000);
    EXPECT_NE(form.exec(), -7);
    EXPECT_EQ(form.Ticks(), 3);
}
