// The view of a scalar group: an edits panel in the panel frame, with Set
// Checked writing the checked rows.
#pragma once

#include "Editspanel.h"
#include "Snmppanel.h"

class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT
public:
    TSNMPEditorPanel(QWidget* parent, KvSNMPRequest2Edits* binding);

    TEditsPanel* EditsPanel() const { return edits_; }

    // Wider row controls; the panel and its host form are fitted again.
    void SetEditWidth(int width);
    // The row's edit takes a new edit constraint.
    void SetVarFormat(int row, const QString& specifier);

    virtual void BT_SetCheckedClick();

protected:
    TEditsPanel* edits_ = nullptr;
};
