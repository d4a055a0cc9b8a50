// A ksw-sim started once for all the tests of a suite rather than once a test
// (starting the agent costs more than most of the tests):
//
//     class Walks : public SharedKswSim<> { ... };
//     class Logins : public SharedKswSim<::testing::TestWithParam<Login>> { ... };
//
// The tests reach the agent as sim_.  A suite that needs more set-up once
// defines its own SetUpTestSuite() and calls SharedKswSim::SetUpTestSuite() first.
#pragma once

#include "KswSim.h"

#include <gtest/gtest.h>

template <typename Base = ::testing::Test>
class SharedKswSim : public Base {
protected:
    static void SetUpTestSuite() { sim_ = new KswSim; }
    static void TearDownTestSuite()
    {
        delete sim_;
        sim_ = nullptr;
    }
    static inline KswSim* sim_ = nullptr;
};
