// One read of a request's variable list, and the table walk that strings reads
// together: which operation the next read asks with (get-bulk; get-next once
// get-bulk is refused or a column has ended), the rows of a get-bulk answer
// not handed out yet, each item's received arcs and the end of each column.
// Step takes every answer, from the synchronous read and from the asynchronous
// response handler alike.
#pragma once

#include "engine/SnmpEngine.h"
#include "kvsnmp/KvSNMPSession.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

class KvSNMPRequest;

class KvSNMPTableWalk {
public:
    explicit KvSNMPTableWalk(KvSNMPRequest& request) : request_(request) {}
    KvSNMPTableWalk(const KvSNMPTableWalk&) = delete;
    KvSNMPTableWalk& operator=(const KvSNMPTableWalk&) = delete;

    // What a read asked: its answer is taken with it.
    struct Read {
        engine::Operation op = engine::Operation::Get;
        std::size_t columns = 0;   // bindings asked for (per repetition)
    };
    // What an answer leaves the caller to do.
    enum class Next {
        Ask,       // send the read again (fewer repetitions, or get-next)
        Row,       // a row is in the list and another follows
        LastRow,   // the list holds the read's outcome; the walk has ended
    };

    // Forgets the last walk: the next read is a first one.
    void Start();
    // The next read's PDU and what it asks; first: from the columns' bases.
    engine::Pdu NextRead(bool first, Read& read);
    // Takes the answer to `read` into the request's list.  Raises the answer's
    // failure (mapped to its unified code) and the list's own errors.
    Next Step(const Read& read, engine::Response&& response);

    // A row of the last get-bulk answer waits to be handed out.
    bool HasRow() const;
    // Hands it out into the list; Row or LastRow.
    Next NextRow();
    // The agent that sent the rows at hand.
    const KvSNMPDevice& RowsPeer() const { return bulk_.peer; }

private:
    bool useBulk() const;
    engine::Operation readOperation() const;
    bool bulkFailed(int code);
    void nextAnswered();
    bool takeBulk(engine::Response&& response, std::size_t columns);
    bool processRow(std::span<const engine::VarBind* const> vbs, int code);

    KvSNMPRequest& request_;

    // A get-bulk walk: the bindings of the last answer not handed out yet.  Each
    // column's bindings are the successive get-next answers of that column, so a
    // column lacking a row keeps its next binding for a later row: every column
    // has its own position.  A row is taken from them only while every column
    // runs and has a binding left (a column that has ended is asked again from
    // the row's keys, which the next get-bulk row does not answer); from the
    // first ended column on, the walk asks with get-next.
    static constexpr int kBulkRows = 25;
    struct BulkRows {
        bool off = false;                 // asks with get-next
        // The walk's first get-bulk timed out: get-bulk is asked once more as soon
        // as get-next is answered (the agent was only out of reach for a while);
        // a second time-out leaves get-next for the rest of the walk.
        bool retryWhenAnswered = false;
        bool retried = false;             // that second chance has been given
        bool answered = false;            // the agent has answered a get-bulk of this walk
        bool columnEnded = false;         // in the row handed out last
        int maxRepetitions = kBulkRows;   // halved after each tooBig
        std::vector<engine::VarBind> vbs; // repetitions of `columns` bindings
        std::size_t columns = 0;
        std::vector<std::size_t> next;    // per column, the repetition to hand out next
        KvSNMPDevice peer;
    };
    BulkRows bulk_;

    // The walk's own record of each item: the arcs of its CurrentOid as last
    // received or parsed, kept with that text, and the arcs of its column prefix.
    // The next get-next sends the arcs without parsing the text again, and column
    // ends are decided on arcs.  The arcs stand for CurrentOid only while its
    // text still equals currentText.
    struct WalkArcs {
        std::string currentText;
        engine::Oid current;
        std::string prefixText;
        engine::Oid prefix;
        std::string prefixOidText;   // the prefix's arcs as text, as a received OID is written
    };
    std::vector<WalkArcs> arcs_;
    std::vector<int> readableItems_;   // of the row processed last, in list order
    std::string receivedText_;
    std::string rowInstance_;
    // Per readable item of the row processed last: its binding, whether the
    // column has ended, and whether the row took the binding.
    std::vector<const engine::VarBind*> rowBindings_;
    std::vector<char> rowDone_;
    std::vector<char> rowTaken_;
};
