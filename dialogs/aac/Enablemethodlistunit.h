// The enable method lists: the methods tried, in order, when a user asks for
// the privileged level.
#pragma once

#include "dialogs/aac/MethodListForm.h"

class TEnableMethodForm : public TMethodListForm {
    Q_OBJECT
public:
    explicit TEnableMethodForm(QWidget* parent = nullptr);
};
