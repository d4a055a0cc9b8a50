// The login method lists: the methods tried, in order, when a user logs in.
#pragma once

#include "dialogs/aac/MethodListForm.h"

class TLoginMethodListForm : public TMethodListForm {
    Q_OBJECT
public:
    explicit TLoginMethodListForm(QWidget* parent = nullptr);
};
