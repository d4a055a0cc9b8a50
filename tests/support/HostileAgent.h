// A small SNMPv1/v2c agent on loopback for tests of how the module copes with
// agents that misbehave.  It serves one scalar and a two-column table, answers
// get, get-next and get-bulk correctly, and from a chosen request on answers
// every request (or a given number of them) with one chosen fault.  Datagrams
// are answered in turn on the agent's own thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

class HostileAgent {
public:
    enum class Fault {
        None,
        BackwardsOid,    // get-next answers with an OID before the one asked for
        EqualOid,        // get-next answers with the OID asked for
        WrongType,       // integers come as octet strings and octet strings as Counter32
        EmptyString,     // octet strings are empty
        HugeString,      // octet strings hold kHugeLength octets
        TooBig,          // error status tooBig, the bindings sent back
        WrongRequestId,  // another request id than the request's
        FewerVarbinds,   // the last binding is left out
        NoVarbinds,      // no binding at all
        BulkCut,         // get-bulk answers lose their last binding (their last row is cut)
        BulkEmpty,       // get-bulk answers hold no binding; get and get-next are right
        EndOfMibView,    // every binding is endOfMibView
        Garbage,         // bytes that are no SNMP message
        Truncated,       // a correct response cut in the middle
        Silence,         // no answer
        BulkSilence,     // get-bulk requests go unanswered; get and get-next are answered
    };

    // The objects served: kScalar.0 (INTEGER 42) and, for rows 1..rows, kEntry.1.N
    // (INTEGER N) and kEntry.2.N (OCTET STRING "row-N").
    static constexpr const char* kScalar = "1.3.6.1.4.1.97531.77.1";   // instance .0
    static constexpr const char* kEntry = "1.3.6.1.4.1.97531.77.2.1";
    static constexpr std::size_t kHugeLength = 65000;

    // faultFrom: the number of the first request (from 1) answered with the fault;
    // faultCount: how many requests from there on are (0: all of them), so that a
    // fault can pass, as a brief loss of the agent does.
    // bulkRows: the most repetitions a get-bulk is answered with, as an agent that
    // keeps its answers small does; one makes a get-bulk walk ask once per row,
    // as a get-next walk does.
    explicit HostileAgent(Fault fault, int faultFrom = 1, int rows = 3, int bulkRows = 1, int faultCount = 0);
    ~HostileAgent();
    HostileAgent(const HostileAgent&) = delete;
    HostileAgent& operator=(const HostileAgent&) = delete;

    bool ok() const { return fd_ >= 0; }
    std::uint16_t port() const { return port_; }
    int requests() const { return requests_; }

private:
    void run();
    std::string answer(const std::string& request);

    Fault fault_;
    int faultFrom_;
    int rows_;
    int bulkRows_;
    int faultCount_;
    int fd_ = -1;
    std::uint16_t port_ = 0;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
};
