#include "startup/ConfigurationOptions.h"

#include "kvsnmp/KvSNMPErrors.h"

#include <algorithm>

namespace {

constexpr const char* kSnapshot = "--snapshot";
constexpr const char* kCompare = "--compare";
constexpr const char* kWithSecrets = "--with-secrets";

[[noreturn]] void usage(const std::string& why)
{
    throw LibraryError(KvUnknownErrorCode, why);
}

bool namesAgent(const std::vector<std::string>& args)
{
    return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a.size() > 2 && a.starts_with("/I"); });
}

} // namespace

bool HasConfigurationOption(const std::vector<std::string>& args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--open")
            ++i;   // an item's name, never an option
        else if (args[i] == kSnapshot || args[i] == kCompare || args[i] == kWithSecrets)
            return true;
    }
    return false;
}

ConfigurationRequest TakeConfigurationOptions(std::vector<std::string>& args)
{
    ConfigurationRequest r;
    bool compare = false;
    auto erase = [&args](std::size_t at, std::size_t n) {
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(at), args.begin() + static_cast<std::ptrdiff_t>(at + n));
    };
    for (std::size_t i = 0; i < args.size();) {
        const std::string& a = args[i];
        if (a == "--open") {
            i += 2;
        } else if (a == kWithSecrets) {
            r.WithSecrets = true;
            erase(i, 1);
        } else if (a == kSnapshot) {
            if (!r.SnapshotFile.empty())
                usage("--snapshot is given twice");
            if (i + 1 >= args.size() || args[i + 1].empty())
                usage("--snapshot needs the name of the file to write");
            r.SnapshotFile = args[i + 1];
            erase(i, 2);
        } else if (a == kCompare) {
            if (compare)
                usage("--compare is given twice");
            compare = true;
            if (i + 1 >= args.size() || args[i + 1].empty())
                usage("--compare needs the snapshot file to compare");
            r.CompareFiles.push_back(args[i + 1]);
            std::size_t n = 2;
            if (i + 2 < args.size() && !args[i + 2].empty() && !args[i + 2].starts_with("--") && !namesAgent(args)) {
                r.CompareFiles.push_back(args[i + 2]);
                n = 3;
            }
            erase(i, n);
        } else {
            ++i;
        }
    }
    if (!r.SnapshotFile.empty() && compare)
        usage("--snapshot and --compare cannot be given together");
    if (r.WithSecrets && r.SnapshotFile.empty() && !compare)
        usage("--with-secrets goes with --snapshot or --compare");
    return r;
}
