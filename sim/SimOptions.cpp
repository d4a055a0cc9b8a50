#include "SimOptions.h"

#include <charconv>
#include <cmath>

namespace ksw::sim {

namespace {

long long integerArg(const std::string& opt, const std::string& v, long long lo, long long hi)
{
    long long n = 0;
    auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (v.empty() || ec != std::errc() || p != v.data() + v.size() || n < lo || n > hi)
        throw UsageError(opt + ": expected a whole number from " + std::to_string(lo) + " to " + std::to_string(hi) +
                         ", got \"" + v + "\"");
    return n;
}

double numberArg(const std::string& opt, const std::string& v, double lo, double hi)
{
    size_t used = 0;
    double d = 0;
    try {
        d = std::stod(v, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (v.empty() || used != v.size() || !std::isfinite(d) || d < lo || d > hi)
        throw UsageError(opt + ": expected a number from " + std::to_string(lo).substr(0, std::to_string(lo).find('.') + 2) +
                         " to " + std::to_string(hi).substr(0, std::to_string(hi).find('.') + 2) + ", got \"" + v + "\"");
    return d;
}

void passPhrase(const std::string& opt, const std::string& v)
{
    if (v.size() < 8)
        throw UsageError(opt + ": a pass phrase needs at least 8 characters");
}

} // namespace

std::string usageText()
{
    return R"(Usage: ksw-sim [OPTIONS]
Simulated KSW-4800 SNMP agent.  Runs in the foreground on udp:127.0.0.1:PORT,
answers SNMPv1, v2c and v3 (USM) get, get-next, get-bulk and set, and stops on
SIGINT or SIGTERM.  Reads no system SNMP configuration.

Options:
  --port N               UDP port on 127.0.0.1 (default 16100; 0 is not allowed)
  --data FILE            objects to serve, .snmprec format, plain or gzip-compressed
                         (.snmprec.gz), or a snapshot ksw4800 --snapshot saved
                         (the switch cloned) (default: the KSW-4800 data in
                         data/ksw4800.snmprec beside the executable, else in the
                         installed share/ksw-sim folder)
  --state FILE           where setting the save object stores the running state;
                         if FILE exists at start it is served instead of --data
  --read-community NAME  read-only community (repeatable; replaces "rdcomm")
  --write-community NAME read-write community (repeatable; replaces "wrcommx")
  --auth-pass TEXT       SNMPv3 authentication pass phrase of every user
                         (default "authpassword", at least 8 characters)
  --priv-pass TEXT       SNMPv3 privacy pass phrase (default "privpassword")
  --engine-id TEXT       SNMPv3 engine id, used as its octets (5 to 32 characters,
                         default "ksw-sim")
  --reset-seconds N      silence after a warm start via the reset object (default 10)
  --flap SECONDS         every SECONDS toggle one of the flapping ports' ifOperStatus
  --drop PERCENT         ignore this share of requests (0-100, default 0)
  --delay MS             answer every request MS milliseconds late (default 0)
  --traffic MODEL        "model" (default): the interface counters advance with the
                         uptime, per port idle, busy near line rate, with errors or
                         flapping, 32-bit counters wrapping; "none": served as stored
  --big-table ROWS       add a generated ROWS x 4 table under 1.3.6.1.4.1.97531.99.1.1
  --count-requests       count the requests taken, by type: a get of
                         1.3.6.1.4.1.97531.98.1.T.0 (T: 1 get, 2 get-next, 3 get-bulk,
                         4 set) answers the count as a Counter32; walks do not see
                         these objects, and a get of them alone is not counted
  --lenient              leave out data lines that cannot be read (one warning each on
                         stderr, with file and line) instead of refusing to start, and
                         serve variation-module values ("2:numeric|...") as their
                         static starting value
  --help                 show this text and exit
  --version              show the version and exit

SNMPv3 users: noAuthUser (noAuthNoPriv), MD5_User (MD5), MD5_DES_User (MD5+DES),
SHA_User (SHA), SHA_DES_User (SHA+DES), SHA256_AES_User (SHA-256+AES-128).
Data lines are OID|TAG|VALUE; "#!" lines are directives: "#!writable OID [TAG]
[MIN..MAX]", "#!rowstatus COLUMN-OID [CREATE DESTROY]", "#!save OID VALUE",
"#!reset OID VALUE", "#!flap OID".
)";
}

SimOptions parseOptions(const std::vector<std::string>& args)
{
    SimOptions o;
    bool readGiven = false, writeGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string opt = args[i];
        std::string val;
        bool inlineVal = false;
        if (const auto eq = opt.find('='); opt.rfind("--", 0) == 0 && eq != std::string::npos) {
            val = opt.substr(eq + 1);
            opt = opt.substr(0, eq);
            inlineVal = true;
        }
        auto value = [&]() -> std::string {
            if (inlineVal)
                return val;
            if (i + 1 >= args.size())
                throw UsageError(opt + ": missing value");
            return args[++i];
        };
        if (opt == "--help" || opt == "-h") {
            o.help = true;
        } else if (opt == "--version") {
            o.version = true;
        } else if (opt == "--port") {
            o.port = static_cast<std::uint16_t>(integerArg(opt, value(), 1, 65535));
        } else if (opt == "--data") {
            o.dataPath = value();
            if (o.dataPath.empty())
                throw UsageError(opt + ": empty file name");
        } else if (opt == "--state") {
            o.statePath = value();
            if (o.statePath.empty())
                throw UsageError(opt + ": empty file name");
        } else if (opt == "--read-community" || opt == "--write-community") {
            const bool read = opt == "--read-community";
            std::string v = value();
            if (v.empty() || v.find_first_of(" \t\r\n\"") != std::string::npos)
                throw UsageError(opt + ": a community is a non-empty word without blanks or quotes");
            auto& list = read ? o.readCommunities : o.writeCommunities;
            bool& given = read ? readGiven : writeGiven;
            if (!given)
                list.clear();
            given = true;
            list.push_back(v);
        } else if (opt == "--auth-pass") {
            o.authPass = value();
            passPhrase(opt, o.authPass);
        } else if (opt == "--priv-pass") {
            o.privPass = value();
            passPhrase(opt, o.privPass);
        } else if (opt == "--engine-id") {
            o.engineId = value();
            if (o.engineId.size() < 5 || o.engineId.size() > 32)
                throw UsageError(opt + ": an engine id has 5 to 32 characters");
        } else if (opt == "--reset-seconds") {
            o.resetSeconds = static_cast<int>(integerArg(opt, value(), 0, 3600));
        } else if (opt == "--flap") {
            o.flapSeconds = numberArg(opt, value(), 0.01, 86400);
        } else if (opt == "--drop") {
            o.dropPercent = numberArg(opt, value(), 0, 100);
        } else if (opt == "--delay") {
            o.delayMs = static_cast<int>(integerArg(opt, value(), 0, 600000));
        } else if (opt == "--lenient") {
            if (inlineVal)
                throw UsageError(opt + ": takes no value");
            o.lenient = true;
        } else if (opt == "--traffic") {
            const std::string v = value();
            if (v != "model" && v != "none")
                throw UsageError(opt + ": expected \"model\" or \"none\", got \"" + v + "\"");
            o.traffic = v == "model";
        } else if (opt == "--count-requests") {
            if (inlineVal)
                throw UsageError(opt + ": takes no value");
            o.countRequests = true;
        } else if (opt == "--big-table") {
            o.bigTableRows = static_cast<int>(integerArg(opt, value(), 1, 1000000));
        } else {
            throw UsageError("unknown option \"" + args[i] + "\" (see --help)");
        }
    }
    return o;
}

} // namespace ksw::sim
