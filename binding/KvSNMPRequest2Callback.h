// A binding whose control is a function: each read hands its outcome and the
// values read to it.  For windows that show agent data somewhere no control is
// bound to, such as a tooltip made when the answer comes.
#pragma once

#include "KvSNMPRequest2Controls.h"

#include <functional>

class KvSNMPRequest2Callback : public KvSNMPRequest2Controls {
public:
    // outcome.Code is 0 when the values were read.
    using Answer = std::function<void(const KvSNMPError& outcome, const KvSNMPVarList& values)>;

    KvSNMPRequest2Callback(QWidget* ownerForm, Answer answer);
    ~KvSNMPRequest2Callback() override;

protected:
    void ValuesReceived() override {}
    void AfterGet() override;
    void GetFailed(const KvSNMPError& error) override;

private:
    Answer answer_;
};
