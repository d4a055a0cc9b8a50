// LED binding: colours and blinking from a colour map, the blink limit, missing
// bytes, the second LED mode, and polling ksw-sim until the agent goes away.
#include "KvControls.h"
#include "KvSNMPRequest2Leds.h"
#include "KvUserNotice.h"

#include "KvTestUtil.h"
#include "SharedKswSim.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>

#include <gtest/gtest.h>

namespace {

using namespace KvSyntax;

constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlack = 0;

const KvLedColorDef kPortRows[] = {{1, 0x00FF00}, {2, 0}, {3, 0}, {0, -1}};

std::uint32_t shown(const KvShape& shape)
{
    EXPECT_EQ(shape.BrushColor(), shape.PenColor());
    return KvBgrOf(shape.BrushColor());
}

class LedBinding : public KvSNMPRequest2Leds {
public:
    using KvSNMPRequest2Leds::KvSNMPRequest2Leds;
    using KvSNMPRequest2Leds::GetFailed;
    using KvSNMPRequest2Leds::ValuesReceived;
};

TEST(LedColorMap, EntriesInTableOrder)
{
    const KvLedColorDef rows[] = {{1, 0x0000FF}, {1, 0x00FF00}, {0x101, 0x00FFFF}, {0, -1}};
    const KvSNMPLedColorMapList map(rows, 0xFF, 1, 0x123456, -1);
    EXPECT_EQ(map.Count(), 3);
    EXPECT_EQ(map.ColourOf(1), 0x0000FFu);   // the first entry wins
    EXPECT_EQ(map.ColourOf(9), 0u);          // no entry: black
    EXPECT_FALSE(map.HasMissingColour());
    const KvLedColorDef empty[] = {{0, -1}};
    EXPECT_EQ(KvSNMPLedColorMapList(empty, 0xFF, 0, 0, 0).Count(), 0);
}

class Leds : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 4; ++i) {
            binding.Variables().AppendItem("1.3.6.1.2.1.2.2.1.8." + std::to_string(i + 1), "", Integer,
                                           KvAccess::ReadOnly);
            shapes[i] = new KvShape(&form);
            binding.AddLed(i, 0, &portMap, shapes[i]);
        }
    }
    void receive(std::initializer_list<const char*> values)
    {
        int i = 0;
        for (const char* v : values)
            binding.Variables().ItemAt(i++).Value = v;
        binding.ValuesReceived();
    }

    QWidget form;
    KvSNMPLedColorMapList portMap{kPortRows, 0xFF, 1, kBlack, kBlack};
    // Maps of single tests, declared here so that they outlive the bindings.
    KvSNMPLedColorMapList strictMap{kPortRows, 0xFF, 1, kBlack, -1};
    KvSNMPLedColorMapList secondModeMap{kPortRows, 0xFF, 0x80, 0x0000FF, 0x00FFFF};
    LedBinding binding{&form};
    KvShape* shapes[4] = {};
};

TEST_F(Leds, PortColoursAndBlinking)
{
    // The blink timer runs only while a LED flashes.
    EXPECT_FALSE(binding.BlinkTimer()->isActive());
    receive({"2", "2", "2", "2"});
    EXPECT_FALSE(binding.BlinkTimer()->isActive());
    receive({"1", "2", "3", "7"});
    EXPECT_TRUE(binding.BlinkTimer()->isActive());
    EXPECT_EQ(binding.BlinkTimer()->interval(), 60);
    EXPECT_EQ(binding.Led(0).Colour, kGreen);
    EXPECT_TRUE(binding.Led(0).Blink);
    EXPECT_FALSE(binding.Led(1).Blink);
    EXPECT_TRUE(binding.Led(2).Blink);     // 3 has the blink bit
    EXPECT_EQ(binding.Led(3).Colour, kBlack);
    EXPECT_TRUE(binding.Led(3).Blink);     // 7 has no entry: black, and blinks

    // Green right after the poll, then alternating every tick up to the limit,
    // then steady until the next poll.
    std::vector<std::uint32_t> phases{shown(*shapes[0])};
    for (int tick = 0; tick < 10; ++tick) {
        binding.Paint();
        phases.push_back(shown(*shapes[0]));
    }
    const std::vector<std::uint32_t> expected{kGreen, kBlack, kGreen, kBlack, kGreen, kBlack, kGreen,
                                              kGreen, kGreen, kGreen, kGreen};
    EXPECT_EQ(phases, expected);
    EXPECT_EQ(shown(*shapes[1]), kBlack);
    EXPECT_FALSE(binding.BlinkTimer()->isActive());

    // The next poll flashes again.
    receive({"1", "2", "3", "7"});
    EXPECT_EQ(shown(*shapes[0]), kBlack);
    binding.Paint();
    EXPECT_EQ(shown(*shapes[0]), kGreen);
}

TEST_F(Leds, MissingBytes)
{
    // Byte 4 of an integer is beyond its four bytes.
    auto* shape = new KvShape(&form);
    binding.AddLed(0, 4, &portMap, shape);
    receive({"1", "1", "1", "1"});
    EXPECT_EQ(binding.Led(4).Colour, kBlack);
    EXPECT_EQ(binding.Led(0).Colour, kGreen);
    binding.AddLed(0, 4, &strictMap, new KvShape(&form));
    EXPECT_EQ(codeOf([&] { receive({"1", "1", "1", "1"}); }), -519);
    // A value that did not come counts as missing too.
    EXPECT_EQ(codeOf([&] { receive({"(NULL)", "1", "1", "1"}); }), -519);
}

TEST_F(Leds, SecondModeHeaderAndColourByte)
{
    LedBinding second(&form);
    second.SetLedMode(2);
    second.Variables().AppendItem("1.3.6.1.4.1.97531.1", "", OctetStr, KvAccess::ReadOnly);
    for (int b : {0, 4, 6})
        second.AddLed(0, b, &secondModeMap, new KvShape(&form));
    // Header byte 0 is read as in the first mode; past the header a byte of 1
    // means "no LED", otherwise the next byte holds the colour.
    second.Variables().ItemAt(0).Value = "01000000" "8001" "0101";
    second.ValuesReceived();
    EXPECT_EQ(second.Led(0).Colour, kGreen);
    EXPECT_EQ(second.Led(1).Colour, kGreen);
    EXPECT_TRUE(second.Led(1).Blink);
    EXPECT_EQ(second.Led(2).Colour, 0x00FFFFu);
    EXPECT_FALSE(second.Led(2).Blink);
}

TEST_F(Leds, AFailedPollResetsWithoutAMessageBox)
{
    int boxes = 0;
    KvScopedMessagePresenter presenter([&](const KvMessageRequest&) {
        ++boxes;
        return QMessageBox::Ok;
    });
    receive({"1", "2", "1", "1"});
    KvSNMPError error;
    error.Code = -405;
    error.Message = "timed out";
    binding.GetFailed(error);
    EXPECT_EQ(boxes, 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(shown(*shapes[i]), kBlack);
        EXPECT_FALSE(binding.Led(i).Blink);
    }
}

TEST_F(Leds, StopPollingResetsAndIgnoresLateValues)
{
    receive({"1", "1", "1", "1"});
    binding.StopPolling();
    EXPECT_FALSE(binding.BlinkTimer()->isActive());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(shown(*shapes[i]), kBlack);
        EXPECT_FALSE(binding.Led(i).Blink);
    }
    receive({"1", "1", "1", "1"});
    EXPECT_EQ(shown(*shapes[0]), kBlack);
}

// Regression: the destructor followed colour maps it does not own (via
// StopPolling's reset), reading a map that its owner had destroyed first.  It
// now leaves maps and shapes alone.
TEST(LedDestructor, TouchesNeitherMapsNorShapes)
{
    QWidget form;
    auto* shape = new KvShape(&form);
    auto map = std::make_unique<KvSNMPLedColorMapList>(kPortRows, 0xFF, 1, kBlack, kBlack);
    auto binding = std::make_unique<LedBinding>(&form);
    binding->Variables().AppendItem("1.3.6.1.2.1.2.2.1.8.1", "", Integer, KvAccess::ReadOnly);
    binding->AddLed(0, 0, map.get(), shape);
    binding->Variables().ItemAt(0).Value = "1";
    binding->ValuesReceived();
    ASSERT_EQ(shown(*shape), kGreen);
    map.reset();
    binding.reset();
    EXPECT_EQ(shown(*shape), kGreen);
}

// ---- against the simulated agent ------------------------------------------------

class LedPolling : public SharedKswSim<> {
protected:
    static void SetUpTestSuite()
    {
        SharedKswSim::SetUpTestSuite();
        CreateGlobalSession(sim_->tempDir().toStdString());
    }
};

TEST_F(LedPolling, PortLedsFollowTheAgentAndResetWhenItStops)
{
    ASSERT_TRUE(sim_->running()) << sim_->errorText().toStdString();
    QWidget window;
    KvStatusBar bar(&window);
    bar.AddPanel(50);
    const KvLedColorDef powerRows[] = {{1, 0x00FF00}, {2, 0x00FF00}, {3, 0x00FF00}, {0, -1}};
    const KvSNMPLedColorMapList portMap(kPortRows, 0xFF, 1, kBlack, kBlack);
    const KvSNMPLedColorMapList powerMap(powerRows, 0xFF, 0, kBlack, kBlack);

    KvSNMPRequest2Leds leds(&window);
    leds.SetStatusOutput(&bar, 0);
    KvSNMPRequest& request = leds.Request();
    request.Device.Address = "127.0.0.1";
    request.Device.Port = sim_->port();
    request.Security.Version = 1;
    request.Timeout = 20;
    request.Retries = 0;
    KvSNMPVarList& vars = leds.Variables();
    vars.ItemType = MVT_SV;
    std::vector<KvShape*> shapes;
    for (int i = 1; i <= 50; ++i) {
        vars.AppendItem("1.3.6.1.2.1.2.2.1.8." + std::to_string(i), "", Integer, KvAccess::ReadOnly);
        shapes.push_back(new KvShape(&window));
        leds.AddLed(i - 1, 0, &portMap, shapes.back());
    }
    auto* power = new KvShape(&window);
    leds.AddLed(0, 0, &powerMap, power);

    leds.StartPolling(20);
    EXPECT_EQ(leds.PollTimer()->interval(), 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return leds.Led(0).Colour == kGreen; }, 5000));
    EXPECT_TRUE(leds.Led(0).Blink);
    EXPECT_EQ(leds.Led(8).Colour, kBlack);    // port 9 is down (2)
    EXPECT_FALSE(leds.Led(8).Blink);
    EXPECT_EQ(leds.Led(12).Colour, kBlack);   // port 13 is testing (3)
    EXPECT_TRUE(leds.Led(12).Blink);
    EXPECT_EQ(leds.Led(50).Colour, kGreen);   // power: the agent answers
    EXPECT_FALSE(leds.Led(50).Blink);

    sim_->stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bar.PanelText(0).isEmpty() && !bar.PanelText(0).contains("Ok!"); }, 5000))
        << bar.PanelText(0).toStdString();
    EXPECT_TRUE(bar.PanelText(0).startsWith("Get: ")) << bar.PanelText(0).toStdString();
    for (int i = 0; i < leds.LedCount(); ++i) {
        EXPECT_EQ(leds.Led(i).Colour, kBlack);
        EXPECT_FALSE(leds.Led(i).Blink);
    }
    EXPECT_EQ(shown(*power), kBlack);
    leds.StopPolling();
    EXPECT_FALSE(leds.PollTimer()->isActive());
}

}  // namespace
