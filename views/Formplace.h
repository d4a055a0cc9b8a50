// Where the module's forms and dialogs open.
#pragma once

class QWidget;

// Moves the window so that it is centred over the application's main window
// (its active top-level window), or over the screen when there is none.
void TCentreOnMainWindow(QWidget* form);
// Centres the dialog over its owner window (over the screen without one).
void TCentreOnOwner(QWidget* dialog, QWidget* owner);
