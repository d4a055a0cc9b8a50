// ksw-sim: a simulated KSW-4800 SNMP agent for development and tests.
#include "MibData.h"
#include "SimAgent.h"
#include "SimOptions.h"

#include "KswVersion.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace ksw::sim;

namespace {

// The data beside the binary (a build folder) wins; an installed ksw-sim finds
// its data in the data folder next to its bin/ folder, under every prefix.
std::string defaultDataPath()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const fs::path folder = ec ? fs::path(".") : exe.parent_path();
    const fs::path beside = folder / "data" / "ksw4800.snmprec";
    const fs::path installed = folder / KSW_SIM_DATA_FROM_BIN / "ksw4800.snmprec";
    return (!fs::exists(beside, ec) && fs::exists(installed, ec) ? installed : beside).string();
}

} // namespace

int main(int argc, char** argv)
{
    SimOptions opt;
    try {
        opt = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& e) {
        std::fprintf(stderr, "ksw-sim: %s\n", e.what());
        return 2;
    }
    if (opt.help) {
        std::cout << usageText();
        return 0;
    }
    if (opt.version) {
        std::cout << "ksw-sim " << KswVersion << '\n';
        return 0;
    }

    MibData data;
    std::string origin;
    try {
        std::error_code ec;
        if (!opt.statePath.empty() && fs::exists(opt.statePath, ec)) {
            origin = opt.statePath;
        } else {
            origin = opt.dataPath.empty() ? defaultDataPath() : opt.dataPath;
        }
        std::vector<std::string> leftOut;
        data = loadSnmprec(origin, opt.lenient ? &leftOut : nullptr);
        if (!leftOut.empty()) {
            std::fprintf(stderr, "ksw-sim: --lenient: %zu line%s of %s left out or served as static values:\n",
                         leftOut.size(), leftOut.size() == 1 ? "" : "s", origin.c_str());
            for (const auto& w : leftOut)
                std::fprintf(stderr, "ksw-sim: warning: %s\n", w.c_str());
        }
        if (opt.bigTableRows > 0)
            addBigTable(data, opt.bigTableRows);
    } catch (const DataError& e) {
        std::fprintf(stderr, "ksw-sim: bad data: %s\n", e.what());
        return 1;
    }

    SimAgent::installRunSignals();
    const size_t objects = data.objects.size();
    SimAgent agent(opt, std::move(data));
    try {
        agent.start();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ksw-sim: %s\n", e.what());
        return 1;
    }
    std::fprintf(stderr, "ksw-sim: started, pid %d, udp:127.0.0.1:%u, %zu objects from %s\n", static_cast<int>(getpid()),
                 unsigned(opt.port), objects, origin.c_str());
    const int sig = agent.run();
    std::fprintf(stderr, "ksw-sim: stopped%s%s\n", sig ? " by " : "", sig ? strsignal(sig) : "");
    return 0;
}
