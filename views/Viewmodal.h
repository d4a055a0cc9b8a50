// Modal dialogs of the views run through one replaceable runner, so that tests
// (and anything else that must not block) can drive a dialog and decide how it
// ends instead of entering its event loop.
#pragma once

#include <functional>

class QDialog;

// Runs the dialog modally and gives its result (QDialog::Accepted / Rejected).
using TModalRunner = std::function<int(QDialog&)>;

// Installs a runner (an empty one puts QDialog::exec back) and gives the one it replaces.
TModalRunner TSetModalRunner(TModalRunner runner);
int TRunModal(QDialog& dialog);

class TScopedModalRunner {
public:
    explicit TScopedModalRunner(TModalRunner r) : old_(TSetModalRunner(std::move(r))) {}
    ~TScopedModalRunner() { TSetModalRunner(std::move(old_)); }
    TScopedModalRunner(const TScopedModalRunner&) = delete;
    TScopedModalRunner& operator=(const TScopedModalRunner&) = delete;
private:
    TModalRunner old_;
};
