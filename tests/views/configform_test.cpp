// The view host form: one view type per form, the first read once the form
// runs, page switches reading only the page shown and stopping the walk of
// the page left, and closing while a walk runs.
#include "KswSim.h"

#include "views/Guiconfigform.h"
#include "views/Listviewpanel.h"

#include "KvSNMPRequest2Edits.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace KvSyntax;
using namespace KvAccess;

// What happened to the bindings, in order, kept apart from them so that it
// can be read after they are gone.
struct Journal {
    std::vector<std::string> events;
    int count(const std::string& e) const { return static_cast<int>(std::count(events.begin(), events.end(), e)); }
};

class JournalBinding : public KvSNMPRequest2Edits {
public:
    JournalBinding(QWidget* owner, std::shared_ptr<Journal> j, std::string name)
        : KvSNMPRequest2Edits(owner), journal_(std::move(j)), name_(std::move(name))
    {
    }
    ~JournalBinding() override
    {
        journal_->events.push_back(name_ + (Busy() || Request().Pending ? " destroyed busy" : " destroyed"));
    }

protected:
    void BeforeGet() override
    {
        journal_->events.push_back(name_ + " get");
        KvSNMPRequest2Edits::BeforeGet();
    }
    void ValuesReceived() override
    {
        journal_->events.push_back(name_ + " row");
        KvSNMPRequest2Edits::ValuesReceived();
    }

private:
    std::shared_ptr<Journal> journal_;
    std::string name_;
};

const char* const kEntry = "1.3.6.1.4.1.97531.61.1.1";

class ConfigForm : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new QTemporaryDir;
        KswSim::Options o;
        o.dataFile = dir_->path() + QStringLiteral("/table.snmprec");
        {
            QFile f(o.dataFile);
            if (f.open(QIODevice::WriteOnly)) {
                for (int i = 1; i <= 4; ++i)
                    f.write(QStringLiteral("%1.2.%2|4|row%2\n").arg(QString::fromLatin1(kEntry)).arg(i).toLatin1());
            }
        }
        o.delayMs = 120;   // a walk of four rows takes about half a second
        sim_ = new KswSim(o);
    }
    static void TearDownTestSuite()
    {
        delete sim_;
        delete dir_;
    }
    void SetUp() override
    {
        ASSERT_TRUE(sim_->running()) << sim_->errorText().toStdString();
        CreateGlobalSession(sim_->tempDir().toStdString());
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = sim_->port();
        DefaultSecurity.Version = 1;
    }

public:
    JournalBinding* Table(QWidget* owner, const std::string& name)
    {
        auto* b = new JournalBinding(owner, journal, name);
        KvSNMPVarList& vars = b->Variables();
        vars.ItemType = MVT_FMV;
        vars.PKeyCount = 1;
        vars.AppendItem(" ", "Index", Integer, NotAccess);
        vars.AppendItem(std::string(kEntry) + ".2", "Name", DisplayStr, ReadOnly);
        b->Request().Timeout = KvModuleTimeout;
        b->Request().Retries = 0;
        return b;
    }

protected:
    static QTemporaryDir* dir_;
    static KswSim* sim_;
    std::shared_ptr<Journal> journal = std::make_shared<Journal>();
};
QTemporaryDir* ConfigForm::dir_ = nullptr;
KswSim* ConfigForm::sim_ = nullptr;

std::string ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const KvSNMPException& e) {
        return e.Message();
    }
    return "no error";
}

TEST_F(ConfigForm, OneViewTypePerForm)
{
    const std::string typeError = "Can not change Type of a Config Form!";
    struct Case {
        const char* name;
        std::function<void(TConfigForm&, ConfigForm&)> first;   // null: a fresh form
        std::function<void(TConfigForm&, ConfigForm&)> second;
        std::string error;
        int destroyed = 1;   // times the second step's binding is destroyed
    };
    const std::vector<Case> cases = {
        {"editor then table", [](TConfigForm& f, ConfigForm& t) { f.AddEditorPanel(t.Table(&f, "a")); },
         [](TConfigForm& f, ConfigForm& t) { f.AddListViewPanel(t.Table(&f, "b"), -1, {}, -1, {}); }, typeError},
        {"table then paged", [](TConfigForm& f, ConfigForm& t) { f.AddListViewPanel(t.Table(&f, "a"), -1, {}, -1, {}); },
         [](TConfigForm& f, ConfigForm&) { f.MakePaged(); }, typeError, 0},
        {"paged then editor", [](TConfigForm& f, ConfigForm&) { f.MakePaged(); },
         [](TConfigForm& f, ConfigForm& t) { f.AddEditorPanel(t.Table(&f, "b")); }, typeError},
        {"editor page on a plain form", nullptr,
         [](TConfigForm& f, ConfigForm& t) { f.AddEditorPage("P", t.Table(&f, "b")); },
         "Can not add editor page to a none-page pannel!"},
        {"table page on a table form",
         [](TConfigForm& f, ConfigForm& t) { f.AddListViewPanel(t.Table(&f, "a"), -1, {}, -1, {}); },
         [](TConfigForm& f, ConfigForm& t) { f.AddListViewPage("P", t.Table(&f, "b"), -1, {}, -1, {}); },
         "Can not add listview page to a none-page pannel!"},
    };
    for (const Case& c : cases) {
        journal->events.clear();
        {
            TConfigForm form;
            if (c.first)
                c.first(form, *this);
            EXPECT_EQ(ErrorOf([&] { c.second(form, *this); }), c.error) << c.name;
        }
        // The refused binding is not lost: the form took it and destroyed it.
        EXPECT_EQ(journal->count("b destroyed"), c.destroyed) << c.name;
    }
}

TEST_F(ConfigForm, PagedFormReadsOnlyThePageShownAndStopsThePageLeft)
{
    TConfigForm form;
    form.MakePaged();
    std::vector<TSNMPListViewPanel*> panels;
    for (const char* name : {"p0", "p1", "p2"})
        panels.push_back(form.AddListViewPage(name, Table(&form, name), -1, {}, -1, {}));
    EXPECT_TRUE(journal->events.empty());   // nothing is read while the view is built
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return journal->count("p0 get") == 1; }, 2000));
    EXPECT_EQ(form.CurrentBinding(), form.Binding(0));
    EXPECT_EQ(journal->count("p1 get") + journal->count("p2 get"), 0);

    // Switch while the first page's walk waits for its first row.
    ASSERT_TRUE(form.Binding(0)->Busy());
    form.PageControl()->setCurrentIndex(2);
    EXPECT_EQ(journal->count("p2 get"), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Binding(0)->Busy() && !form.Binding(2)->Busy(); }, 5000));
    EXPECT_EQ(journal->count("p0 row"), 1);   // the answer under way, then no more
    EXPECT_EQ(journal->count("p2 row"), 4);
    EXPECT_EQ(journal->count("p1 get"), 0);
    EXPECT_EQ(panels[2]->ListViewPanel()->ListView->topLevelItemCount(), 4);
    EXPECT_FALSE(form.Binding(0)->Request().Alive);
}

TEST_F(ConfigForm, ClosingDuringAWalkDrainsBeforeDestroying)
{
    auto form = std::make_unique<TConfigForm>();
    auto* panel = form->AddListViewPanel(Table(form.get(), "t"), -1, {}, -1, {});
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return journal->count("t row") == 1; }, 3000))
        << panel->MsgPanel()->Memo->toPlainText().toStdString();
    ASSERT_TRUE(form->Binding(0)->Busy());
    form->close();
    EXPECT_EQ(form->BindingCount(), 0);
    form.reset();
    QTest::qWait(400);   // later answers of the agent go nowhere
    ASSERT_FALSE(journal->events.empty());
    EXPECT_EQ(journal->events.back(), "t destroyed");
    EXPECT_LE(journal->count("t row"), 2);
}

TEST_F(ConfigForm, EditorFormReadsOnceWhenItRuns)
{
    TConfigForm form;
    auto* b = new JournalBinding(&form, journal, "s");
    b->Variables().AppendItem("1.3.6.1.2.1.1.5", "Name", DisplayStr, ReadWrite);
    form.AddEditorPanel(b);
    EXPECT_EQ(journal->count("s get"), 0);
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return journal->count("s row") == 1; }, 3000));
    QTest::qWait(50);
    EXPECT_EQ(journal->count("s get"), 1);
}

} // namespace
