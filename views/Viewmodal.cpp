#include "Viewmodal.h"

#include <QDialog>

namespace {
TModalRunner& runner()
{
    static TModalRunner r;
    return r;
}
}

TModalRunner TSetModalRunner(TModalRunner r)
{
    TModalRunner old = std::move(runner());
    runner() = std::move(r);
    return old;
}

int TRunModal(QDialog& dialog)
{
    if (runner())
        return runner()(dialog);
    return dialog.exec();
}
