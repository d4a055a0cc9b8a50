// Drop-down lists that offer only what the dialog accepts in its present
// state, while keeping every item for what the dialog itself selects (a
// Delete selects "destroy" in a list that offers "createAndGo" only).
#pragma once

class QComboBox;

// The list offers the item alone, selected; the others are neither shown in
// its pop-up nor reached by the keys or the wheel.
void OfferOnly(QComboBox* combo, int item);
// Every item is offered again; the selection stays.
void OfferAll(QComboBox* combo);
