// Test fixture: a UDP relay in front of an agent that keeps the variable
// bindings of every SET request passing through it, so that a test can assert
// exactly which objects (and which values) a write carried.
//
//     KswSim sim;
//     SetRecorder rec(sim.port());
//     DefaultDevice.Port = rec.port();        // the module talks to the relay
//     ... press Add ...
//     ASSERT_EQ(rec.Sets().size(), 1u);
//     EXPECT_EQ(rec.Sets()[0].Oids(), (std::vector<std::string>{...}));
//
// Every datagram goes on unchanged in both directions (SNMPv1 and v2c are
// decoded for the record; other messages are only relayed).  FailNextSet makes
// the relay answer the next SET itself with an error status instead of passing
// it on; FailGetBulks does the same for GET-BULK requests.  The relay runs on its own thread: synchronous requests block the GUI
// thread while they wait for their answer.
#pragma once

#include <QtGlobal>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class SetRecorder {
public:
    struct VarBind {
        std::string Oid;    // dotted
        int Tag = 0;        // ASN.1 tag of the value
        // Integers in decimal, IP addresses dotted, object identifiers dotted,
        // octet and bit strings as upper-case hex pairs.
        std::string Value;
    };
    struct SetRequest {
        std::vector<VarBind> Bindings;
        std::vector<std::string> Oids() const;
        // The value sent for the object, "" when it was not in the request.
        std::string ValueOf(const std::string& oid) const;
        bool Has(const std::string& oid) const;
    };

    explicit SetRecorder(quint16 agentPort);
    ~SetRecorder();
    SetRecorder(const SetRecorder&) = delete;
    SetRecorder& operator=(const SetRecorder&) = delete;

    bool running() const { return listen_ >= 0; }
    quint16 port() const { return port_; }

    std::vector<SetRequest> Sets() const;
    // Requests of any kind seen so far.
    int RequestCount() const { return requests_.load(); }
    void Clear();
    // The next SET is answered with this error status (1..18) and not passed on.
    void FailNextSet(int errorStatus);
    // The next `count` GET-BULK requests are answered with this error status.
    void FailGetBulks(int errorStatus, int count);
    // GET-BULK requests seen so far.
    int GetBulkCount() const { return bulks_.load(); }

private:
    void run();
    void fromModule(const std::string& datagram, const void* peer, unsigned peerLength);

    int listen_ = -1;
    int upstream_ = -1;
    int stopPipe_[2] = {-1, -1};
    quint16 port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<SetRequest> sets_;
    std::atomic<int> requests_{0};
    std::atomic<int> failNext_{0};
    std::atomic<int> bulks_{0};
    std::atomic<int> failBulkStatus_{0};
    std::atomic<int> failBulks_{0};
    std::vector<unsigned char> client_;   // the module's socket address
};
