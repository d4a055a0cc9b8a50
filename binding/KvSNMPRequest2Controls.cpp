#include "KvSNMPRequest2Controls.h"

#include "KvControls.h"
#include "KvStatusLine.h"
#include "KvUserNotice.h"

#include "kvsnmp/KvSNMPErrors.h"

#include <QPlainTextEdit>
#include <QTime>

namespace {

std::string okMessage()
{
    return LibraryMessages().Text(KvOk);
}

// A group of scalars of which the agent answered not one (an agent of another
// make, or firmware without the feature): "Ok!" over a page of "(NULL)" fields
// would read as a switch with nothing set.  Tables are left alone by the
// caller: a table without rows is an ordinary state of a switch.
bool AgentHasNone(const KvSNMPVarList& list)
{
    bool any = false;
    for (int i = 0; i < list.Count(); ++i) {
        if (!list.IsReadable(i))
            continue;
        if (list.ItemAt(i).Value != KvNullText)
            return false;
        any = true;
    }
    return any;
}

}  // namespace

KvSNMPRequest2Controls::KvSNMPRequest2Controls(QWidget* ownerForm)
    : link_(std::make_shared<ResponseLink>()), owner_(ownerForm)
{
    link_->Binding = this;
}

KvSNMPRequest2Controls::~KvSNMPRequest2Controls()
{
    StopResponses();
    busy_ = 0;
    // request_ is destroyed next and waits for its outstanding responses; they
    // find the link empty and go nowhere.
}

void KvSNMPRequest2Controls::StopResponses()
{
    link_->Binding = nullptr;
    request_.Alive = false;
}

// ---- status output -----------------------------------------------------------

void KvSNMPRequest2Controls::SetStatusOutput(QPlainTextEdit* memo)
{
    memo_ = memo;
    bar_ = nullptr;
    barPanel_ = -1;
}

void KvSNMPRequest2Controls::SetStatusOutput(KvStatusBar* bar)
{
    memo_ = nullptr;
    bar_ = bar;
    barPanel_ = -1;
}

void KvSNMPRequest2Controls::SetStatusOutput(KvStatusBar* bar, int panel)
{
    memo_ = nullptr;
    bar_ = bar;
    barPanel_ = panel < 0 ? -1 : panel;
}

bool KvSNMPRequest2Controls::HasStatusOutput() const
{
    return memo_ || bar_;
}

void KvSNMPRequest2Controls::ShowStatus(const std::string& message)
{
    if (!HasStatusOutput())
        return;
    const QString line = KvStatusLine(RequestLogMessages().Text(lastOperation_), Variables().Name, message,
                                      QTime::currentTime());
    if (memo_)
        KvMemoAppendLine(memo_, line);
    else if (barPanel_ >= 0)
        bar_->SetPanelText(barPanel_, line);
    else
        bar_->SetSimpleText(line);
}

void KvSNMPRequest2Controls::ReportError(const std::string& message)
{
    if (HasStatusOutput())
        ShowStatus(message);
    else
        KvShowAppMessage(owner_, QString::fromStdString(message));
}

void KvSNMPRequest2Controls::GetFailed(const KvSNMPError& error)
{
    lastOperation_ = GetOperation;
    ReportError(error.Message);
}

void KvSNMPRequest2Controls::SetFailed(const KvSNMPError& error)
{
    lastOperation_ = SetOperation;
    ReportError(error.Message);
}

// ---- Get ---------------------------------------------------------------------

void KvSNMPRequest2Controls::DeliverRow()
{
    if (!request_.CheckRowFilter())
        return;
    ValuesReceived();
    ++rowCount_;
}

void KvSNMPRequest2Controls::Get()
{
    lastOperation_ = GetOperation;
    readComplete_ = 1;
    BeforeGet();
    rowCount_ = 0;
    busy_ = 1;
    if (mode_ == Synchronous) {
        try {
            if (IsTable(Variables().ItemType)) {
                for (bool first = true; request_.Get(first); first = false)
                    DeliverRow();
            } else if (request_.Alive) {
                request_.Get(true);
                DeliverRow();
            }
            AfterGet();
        } catch (...) {
            busy_ = 0;
            throw;
        }
        busy_ = 0;
        ShowStatus(GetDoneMessage());
        return;
    }
    if (!request_.Alive) {
        busy_ = 0;
        return;
    }
    try {
        StartGetAsync(true);
    } catch (...) {
        busy_ = 0;
        throw;
    }
}

void KvSNMPRequest2Controls::StartGetAsync(bool first)
{
    request_.GetAsync(&KvSNMPRequest2Controls::GetResponse, link_.get(), first);
}

std::string KvSNMPRequest2Controls::GetDoneMessage() const
{
    const KvSNMPVarList& list = Variables();
    return !IsTable(list.ItemType) && AgentHasNone(list) ? std::string(KvNoObjectsText) : okMessage();
}

void KvSNMPRequest2Controls::FinishGet()
{
    AfterGet();
    busy_ = 0;
    if (HasStatusOutput()) {
        lastOperation_ = GetOperation;
        ShowStatus(GetDoneMessage());
    }
}

void KvSNMPRequest2Controls::GetResponse(void* link, const KvSNMPError& error, KvSNMPVarList&)
{
    // Keeps the link alive even if the binding goes away inside one of its steps.
    const std::shared_ptr<ResponseLink> hold = static_cast<ResponseLink*>(link)->shared_from_this();
    KvSNMPRequest2Controls* binding = hold->Binding;
    if (!binding)
        return;
    binding->OnGetResponse(error);
    // The read has ended unless the response sent the next one.
    if (hold->Binding && !binding->Busy() && binding->OnGetEnded) {
        const std::function<void()> ended = binding->OnGetEnded;
        ended();
    }
}

void KvSNMPRequest2Controls::SetResponse(void* link, const KvSNMPError& error, KvSNMPVarList&)
{
    const std::shared_ptr<ResponseLink> hold = static_cast<ResponseLink*>(link)->shared_from_this();
    if (KvSNMPRequest2Controls* binding = hold->Binding)
        binding->OnSetResponse(error);
}

void KvSNMPRequest2Controls::OnGetResponse(const KvSNMPError& error)
{
    // Nothing may escape into the event pump: every failure becomes GetFailed.
    const std::weak_ptr<ResponseLink> link = link_;
    auto gone = [&link] { return link.expired() || !link.lock()->Binding; };
    try {
        if (error.Code != 0) {
            busy_ = 0;
            GetFailed(error);
            return;
        }
        if (!IsTable(Variables().ItemType)) {
            DeliverRow();
            if (!gone())
                FinishGet();
            return;
        }
        if (error.Finished) {
            FinishGet();
            return;
        }
        DeliverRow();
        if (gone())
            return;
        if (request_.Alive) {
            StartGetAsync(false);
        } else {
            readComplete_ = 0;
            FinishGet();
        }
    } catch (const KvSNMPException& e) {
        if (!gone())
            FailAsync(true, e.Code(), e.Message());
    } catch (const std::exception& e) {
        if (!gone())
            FailAsync(true, LibraryError(KvUnknownErrorCode).Code(), e.what());
    }
}

// ---- Set ---------------------------------------------------------------------

void KvSNMPRequest2Controls::Set(bool refresh, bool collect, const std::string& columnMap)
{
    lastOperation_ = SetOperation;
    refreshAfterSet_ = refresh ? 1 : 0;
    BeforeSet();
    if (collect)
        CollectValues();
    busy_ = 1;
    if (mode_ == Synchronous) {
        try {
            request_.Set(columnMap);
            AfterSet();
        } catch (...) {
            busy_ = 0;
            throw;
        }
        busy_ = 0;
        ShowStatus(okMessage());
        if (IsTable(Variables().ItemType) && refreshAfterSet_)
            Get();
        return;
    }
    if (!request_.Alive) {
        busy_ = 0;
        return;
    }
    try {
        request_.SetAsync(&KvSNMPRequest2Controls::SetResponse, link_.get(), columnMap);
    } catch (...) {
        busy_ = 0;
        throw;
    }
}

void KvSNMPRequest2Controls::OnSetResponse(const KvSNMPError& error)
{
    const std::weak_ptr<ResponseLink> link = link_;
    auto gone = [&link] { return link.expired() || !link.lock()->Binding; };
    bool refreshing = false;
    try {
        if (error.Code != 0) {
            busy_ = 0;
            SetFailed(error);
            return;
        }
        AfterSet();
        busy_ = 0;
        if (HasStatusOutput()) {
            lastOperation_ = SetOperation;
            ShowStatus(okMessage());
        }
        if (IsTable(Variables().ItemType) && refreshAfterSet_) {
            refreshing = true;
            Get();
        }
    } catch (const KvSNMPException& e) {
        if (!gone())
            FailAsync(refreshing, e.Code(), e.Message());
    } catch (const std::exception& e) {
        if (!gone())
            FailAsync(refreshing, LibraryError(KvUnknownErrorCode).Code(), e.what());
    }
}

void KvSNMPRequest2Controls::FailAsync(bool get, int code, const std::string& message)
{
    busy_ = 0;
    KvSNMPError error;
    error.Code = code;
    error.Message = message;
    error.Finished = true;
    error.Device = request_.Device;
    if (get)
        GetFailed(error);
    else
        SetFailed(error);
}
