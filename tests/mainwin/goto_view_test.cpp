// "Go to View…": what typing finds, that Enter runs the item's own menu
// action, its keys; and "--open --list", which names every item --open takes.
#include "MainMenu.h"
#include "ViewCatalogue.h"
#include "ViewFinder.h"
#include "views/Viewmodal.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Names(const std::vector<const MainMenuPlace*>& places)
{
    std::vector<std::string> names;
    for (const MainMenuPlace* p : places)
        names.push_back(p->Name.toStdString());
    return names;
}

bool Holds(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

struct QueryCase {
    const char* name;
    QString query;
    int version;                         // the module's SNMP version
    const char* first;                   // the best match; null: none matches
    std::vector<std::string> found;      // among the matches too
    std::vector<std::string> notFound;   // never among them
};
void PrintTo(const QueryCase& c, std::ostream* os) { *os << c.name; }

const QueryCase kQueries[] = {
    {"caption_words", QStringLiteral("ifx table"), 1, "IFXTable1", {}, {}},
    {"any_letter_case", QStringLiteral("iFX TaBLE"), 1, "IFXTable1", {}, {}},
    {"blanks_around_and_between", QStringLiteral("  ifx \t table "), 1, "IFXTable1", {}, {}},
    // A menu word and a caption word together.
    {"path_and_caption_words", QStringLiteral("rmon history"), 1, "History1", {}, {"USMStats"}},
    // The caption that is the query comes before captions that only hold it.
    {"whole_caption_first", QStringLiteral("statistics"), 1, "Statistics1", {"dot3Statistics1"}, {"USMStats"}},
    {"caption_beginning_next", QStringLiteral("spanning tree"), 1, "SpanningTreeAlgorithm1",
     {"InstanceInformation1", "PortStateInformation1"}, {}},
    {"path_word_alone", QStringLiteral("802.1x"), 1, "AuthenticationConfiguration1",
     {"RadiusServerTable1", "PaeSystem"}, {}},
    {"open_name", QStringLiteral("n8021qvlan1"), 1, "N8021QVLAN1", {}, {}},
    // What the menu does not offer now is not offered here either.
    {"v3_groups_outside_v3", QStringLiteral("user table"), 1, "N8021pUserPriorityTable1", {}, {"USMUserTable"}},
    {"v3_groups_under_v3", QStringLiteral("user table"), 3, "USMUserTable", {"N8021pUserPriorityTable1"}, {}},
    {"hidden_items", QStringLiteral("trace route"), 1, nullptr, {}, {"RouteHopsTable1", "ControlTable2"}},
    {"submenus_run_on_opening", QStringLiteral("rmon"), 1, "S1", {"AlarmEvent1"}, {"RMON1"}},
    {"no_match", QStringLiteral("zzz"), 1, nullptr, {}, {}},
    {"empty_query", QString(), 1, "BasicInformation2", {"About1", "PortOverview"}, {"GoToView1", "TraceRoute1"}},
};

class GoToViewQueries : public ::testing::TestWithParam<QueryCase> {};

TEST_P(GoToViewQueries, FindTheItemsTheyName)
{
    const QueryCase& c = GetParam();
    QMainWindow window;
    TMainMenu menu(window);
    menu.ApplySnmpVersion(c.version);
    const std::vector<MainMenuPlace> places = ChoosablePlaces(menu);
    const std::vector<std::string> found = Names(FindMenuPlaces(places, c.query));
    if (c.first) {
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found.front(), c.first) << ::testing::PrintToString(found);
    } else {
        EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
    }
    for (const std::string& n : c.found)
        EXPECT_TRUE(Holds(found, n)) << n;
    for (const std::string& n : c.notFound)
        EXPECT_FALSE(Holds(found, n)) << n;
    if (c.query.isEmpty()) {
        EXPECT_EQ(found.size(), places.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, GoToViewQueries, ::testing::ValuesIn(kQueries),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GoToView, EveryPlaceShowsItsMenuPath)
{
    std::map<std::string, std::string> paths, menus;
    for (const MainMenuPlace& p : MainMenuPlaces()) {
        paths[p.Name.toStdString()] = p.Path.toStdString();
        menus[p.Name.toStdString()] = p.Menu.toStdString();
    }
    EXPECT_EQ(paths["IFXTable1"], "Basic Configuration > IF-MIB > IfX Table");
    // Captions' trailing and doubled blanks are the design's, not the path's.
    EXPECT_EQ(paths["CPUFilterControl1"], "Basic Configuration > CPU Filter > CPU Filter Control");
    EXPECT_EQ(paths["AACServerControlTable1"],
              "Layer2 Management > Access Control Information > AAC Server Control Table");
    EXPECT_EQ(paths["RSTP"], "RSTP");
    EXPECT_EQ(menus["IFXTable1"], "Basic Configuration > IF-MIB");
    EXPECT_EQ(menus["RSTP"], "");
}

struct KeysCase {
    const char* name;
    QString query;
    int downs;                 // Down presses before Enter
    std::vector<std::string> ran;
};
void PrintTo(const KeysCase& c, std::ostream* os) { *os << c.name; }

class GoToViewKeys : public ::testing::TestWithParam<KeysCase> {};

// The box runs the item through the menu's own action: the window's runner
// sees exactly what choosing the item from the menu gives it.
TEST_P(GoToViewKeys, RunTheCurrentMatchAsTheMenuDoes)
{
    const KeysCase& c = GetParam();
    QMainWindow window;
    std::vector<std::string> ran;
    TMainMenu menu(window, [&ran](QMainWindow&, const QString& item) { ran.push_back(item.toStdString()); });
    bool asked = false;
    TScopedModalRunner runner([&](QDialog& d) {
        auto* box = qobject_cast<TGoToViewForm*>(&d);
        if (!box)
            return static_cast<int>(QDialog::Rejected);
        asked = true;
        box->show();
        QTest::keyClicks(box->Query, c.query);
        for (int i = 0; i < c.downs; ++i)
            QTest::keyClick(box->Query, Qt::Key_Down);
        QTest::keyClick(box->Query, Qt::Key_Return);
        const int result = box->isVisible() ? static_cast<int>(QDialog::Rejected) : box->result();
        box->hide();
        return result;
    });
    GoToView(window, menu);
    EXPECT_TRUE(asked);
    EXPECT_EQ(ran, c.ran);
}

const KeysCase kKeys[] = {
    {"enter_opens_the_first_match", QStringLiteral("rmon hist"), 0, {"History1"}},
    {"down_moves_to_the_next", QStringLiteral("rmon"), 1, {"Statistics1"}},
    {"a_command_runs_too", QStringLiteral("about"), 0, {"About1"}},
    // Enter without a match keeps the box open and runs nothing.
    {"no_match_runs_nothing", QStringLiteral("zzz"), 0, {}},
};
INSTANTIATE_TEST_SUITE_P(Cases, GoToViewKeys, ::testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

class GoToViewShortcut : public ::testing::TestWithParam<Qt::Key> {};

TEST_P(GoToViewShortcut, OpensTheBoxFromTheMainWindow)
{
    QMainWindow window;
    std::vector<std::string> ran;
    TMainMenu menu(window, [&ran](QMainWindow&, const QString& item) { ran.push_back(item.toStdString()); });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, GetParam(), Qt::ControlModifier);
    EXPECT_EQ(ran, std::vector<std::string>{kGoToViewItem});
}

INSTANTIATE_TEST_SUITE_P(Keys, GoToViewShortcut, ::testing::Values(Qt::Key_K, Qt::Key_L));

// Every item of the catalogue, once, each with its path; nothing else on stdout.
TEST(OpenList, NamesEveryCatalogueItemOnceWithItsPath)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KSW_BINARY_DIR "/ksw4800"), {QStringLiteral("/I10.0.0.1"), QStringLiteral("--open"),
                                                        QStringLiteral("--list")});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(p.readAllStandardError(), QByteArray());
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    std::map<std::string, int> listed;
    std::map<std::string, QString> lineOf;
    for (const QString& line : lines) {
        const std::string name = line.section(QLatin1Char(' '), 0, 0).toStdString();
        ++listed[name];
        lineOf[name] = line;
    }
    std::set<std::string> catalogue;
    for (const ViewCatalogueRow& row : ViewCatalogue())
        catalogue.insert(row.Item);
    for (const std::string& item : catalogue)
        EXPECT_EQ(listed[item], 1) << item;
    EXPECT_EQ(listed.size(), catalogue.size());
    EXPECT_TRUE(lineOf["IFXTable1"].endsWith(QStringLiteral("  Basic Configuration > IF-MIB > IfX Table")))
        << lineOf["IFXTable1"].toStdString();
    // --open takes the items the menu hides; the list says they are not in it.
    EXPECT_TRUE(lineOf["EthernetMaskInformation1"].endsWith(QStringLiteral("(not shown in the menu)")));
    EXPECT_FALSE(lineOf["IFXTable1"].contains(QStringLiteral("not shown")));
}

} // namespace
