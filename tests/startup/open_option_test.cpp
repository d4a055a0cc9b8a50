// "--open ITEM" taken out of the command line before the switches are read.
#include "ModuleStartup.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct OpenCase {
    std::vector<std::string> Args;
    std::optional<std::string> Item;         // nullopt with Throws false: no --open
    std::vector<std::string> Left;            // what the switch parser gets
    bool Throws;
};

class OpenOption : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpenOption, TakesTheItemAndLeavesTheSwitches)
{
    std::vector<std::string> args = GetParam().Args;
    if (GetParam().Throws) {
        EXPECT_THROW(TakeOpenOption(args), KvSNMPException);
        return;
    }
    EXPECT_EQ(TakeOpenOption(args), GetParam().Item);
    EXPECT_EQ(args, GetParam().Left);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenOption,
    ::testing::Values(OpenCase{{"/I10.0.0.1", "/v1"}, std::nullopt, {"/I10.0.0.1", "/v1"}, false},
                      OpenCase{{"/I10.0.0.1", "--open", "IFXTable1", "/v1"}, "IFXTable1", {"/I10.0.0.1", "/v1"}, false},
                      // The item is taken as it stands, even when it looks like a switch.
                      OpenCase{{"--open", "/v3"}, "/v3", {}, false},
                      OpenCase{{"/I10.0.0.1", "--open"}, std::nullopt, {}, true},
                      OpenCase{{"--open", ""}, std::nullopt, {}, true},
                      OpenCase{{"--open", "S1", "--open", "H1"}, std::nullopt, {}, true}));

} // namespace
