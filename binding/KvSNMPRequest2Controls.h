// The base of every binding between one SNMP request and a set of visual
// controls.  It owns the request (and through it the variable list), runs Get
// (read the whole list, row after row for tables) and Set (write the values held
// in the list), synchronously or asynchronously, and calls virtual steps at fixed
// points so that subclasses move values between the list and their controls.
// Outcomes go to a status output (memo, status bar or one status-bar panel) as
// one line each, or, for asynchronous failures without an output, to a message box.
#pragma once

#include "kvsnmp/KvSNMPRequest.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class KvStatusBar;
class QPlainTextEdit;

class KvSNMPRequest2Controls {
public:
    enum RequestMode : std::uint8_t { Synchronous = 0, Asynchronous = 1 };
    enum Operation : std::uint8_t { GetOperation = 0, SetOperation = 1 };

    // The owner form owns the message boxes the binding shows.
    explicit KvSNMPRequest2Controls(QWidget* ownerForm);
    virtual ~KvSNMPRequest2Controls();

    KvSNMPRequest2Controls(const KvSNMPRequest2Controls&) = delete;
    KvSNMPRequest2Controls& operator=(const KvSNMPRequest2Controls&) = delete;

    KvSNMPRequest& Request() { return request_; }
    const KvSNMPRequest& Request() const { return request_; }
    KvSNMPVarList& Variables() { return request_.Variables; }
    const KvSNMPVarList& Variables() const { return request_.Variables; }

    std::uint8_t Mode() const { return mode_; }
    void SetMode(std::uint8_t mode) { mode_ = mode; }
    bool Busy() const { return busy_ != 0; }
    int RowCount() const { return rowCount_; }
    bool RefreshAfterSet() const { return refreshAfterSet_ != 0; }
    Operation LastOperation() const { return lastOperation_; }
    QWidget* OwnerForm() const { return owner_; }

    // The status output; a later call replaces the earlier one, null removes it.
    // The output may be destroyed before the binding: it is then simply gone.
    void SetStatusOutput(QPlainTextEdit* memo);
    void SetStatusOutput(KvStatusBar* bar);
    void SetStatusOutput(KvStatusBar* bar, int panel);
    bool HasStatusOutput() const;

    // One status line from the template of the last operation; nothing without
    // a status output.
    void ShowStatus(const std::string& message);

    // Reads the whole variable list.  Synchronous: errors of the request and of
    // the steps reach the caller.  Asynchronous: returns once the first request
    // is sent; only errors raised while sending reach the caller.
    void Get();
    // Called once an asynchronous read has ended, well or not, with Busy()
    // already false: a view that holds back work while a table is read can
    // catch up at once instead of at its next tick.
    std::function<void()> OnGetEnded;

    // Writes the list's values.  columnMap selects the items to send (comma
    // separated indices, empty = every item the list would send).  After a
    // successful Set of a table list with refresh set, the table is read again.
    void Set(bool refresh, bool collect, const std::string& columnMap = {});

protected:
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    // Once per row (table) or value set (scalar group) delivered.
    virtual void ValuesReceived() = 0;
    // Moves the controls' contents into the variable list before a Set.
    virtual void CollectValues() {}
    virtual void GetFailed(const KvSNMPError& error);
    virtual void SetFailed(const KvSNMPError& error);
    virtual void AfterGet() {}
    virtual void AfterSet() {}
    // In AfterGet: false when the read was stopped before its end (the
    // request marked not alive while a table was walked).
    bool ReadComplete() const { return readComplete_ != 0; }

    // Shows an error the way a failed asynchronous request is shown: on the
    // status output, or in a message box owned by the owner form.
    void ReportError(const std::string& message);

    // Responses that arrive from now on are not handed to this binding.  The
    // destructors of subclasses call it first, so that a response delivered
    // while the request drains never reaches a half-destroyed binding.
    void StopResponses();

    static bool IsTable(std::uint8_t itemType) { return itemType == MVT_FMV || itemType == MVT_UMV; }

private:
    // What the request's plain-function callback gets as its user data.  It
    // outlives the request (declared before it), and forgets the binding when
    // the binding starts going away.
    struct ResponseLink : std::enable_shared_from_this<ResponseLink> {
        KvSNMPRequest2Controls* Binding = nullptr;
    };

    static void GetResponse(void* link, const KvSNMPError& error, KvSNMPVarList& variables);
    static void SetResponse(void* link, const KvSNMPError& error, KvSNMPVarList& variables);
    void OnGetResponse(const KvSNMPError& error);
    void OnSetResponse(const KvSNMPError& error);

    // Hands the values just read to ValuesReceived when the row filter takes them.
    void DeliverRow();
    void FinishGet();
    // "Ok!", or that the agent has none of the scalars read.
    std::string GetDoneMessage() const;
    void StartGetAsync(bool first);
    void FailAsync(bool get, int code, const std::string& message);

    std::shared_ptr<ResponseLink> link_;
    KvSNMPRequest request_;
    std::uint8_t mode_ = Asynchronous;
    std::uint8_t busy_ = 0;
    QPointer<QWidget> owner_;
    int rowCount_ = 0;
    QPointer<QPlainTextEdit> memo_;
    QPointer<KvStatusBar> bar_;
    int barPanel_ = -1;   // -1: the bar's simple text
    Operation lastOperation_ = GetOperation;
    std::uint8_t refreshAfterSet_ = 1;
    std::uint8_t readComplete_ = 1;
};
