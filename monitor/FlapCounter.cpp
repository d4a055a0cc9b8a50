#include "monitor/FlapCounter.h"

void TFlapCounter::Observe(std::int64_t nowMs, std::optional<int> operStatus, std::optional<std::uint32_t> lastChange,
                           std::optional<std::uint32_t> upTime)
{
    const bool restarted = upTime && upTime_ && *upTime < *upTime_;
    if (upTime)
        upTime_ = upTime;
    if (!operStatus) {
        // Nothing to compare with: the next reading starts afresh.
        status_.reset();
        lastChange_.reset();
        return;
    }
    if (status_ && !restarted) {
        if (*operStatus != *status_)
            Count(nowMs, 1);
        else if (lastChange && lastChange_ && *lastChange != *lastChange_)
            Count(nowMs, 2);
    }
    status_ = operStatus;
    lastChange_ = lastChange;
}

void TFlapCounter::Count(std::int64_t nowMs, int changes)
{
    // A mark that expired stays off: only a new burst brings it back.
    if (!Marked(nowMs))
        marked_ = false;
    for (int i = 0; i < changes; ++i)
        changes_.Push(nowMs);
    lastChangeAt_ = nowMs;
    if (ChangesWithin(nowMs) > MarkAbove)
        marked_ = true;
}

int TFlapCounter::ChangesWithin(std::int64_t nowMs) const
{
    int n = 0;
    for (std::size_t i = changes_.Size(); i-- > 0;) {
        if (nowMs - changes_[i] >= WindowMs)
            break;
        ++n;
    }
    return n;
}

bool TFlapCounter::Marked(std::int64_t nowMs) const
{
    return marked_ && nowMs - lastChangeAt_ < WindowMs;
}

void TFlapCounter::Reset()
{
    changes_.Clear();
    status_.reset();
    lastChange_.reset();
    upTime_.reset();
    marked_ = false;
    lastChangeAt_ = 0;
}
