// Checks of typed values that the editors run before a write.  Each failure
// shows one message box and leaves the agent untouched; the control that holds
// the offending text gets the focus when it can take it.
#pragma once

#include <QString>

class QWidget;

// What is wrong with a text that must be exactly `digits` hexadecimal digits.
enum class HexTextFault { None, BadCharacter, BadLength };

// Characters are checked up to position `digits`; a bad one there is a bad
// character, otherwise a text that is shorter or longer has a bad length.
HexTextFault CheckHexDigits(const QString& text, int digits);

// A dotted IPv4 address: four groups of digits, each 0 to 255, where a group of
// value 0 must not be written with "00" in it, and a group before a dot has at
// most three digits.  A text longer than the longest address (15 characters)
// is refused as a whole, so nothing can follow a valid address.
bool IsDottedIPv4(const QString& text);

// The focus to the control when it can take it (enabled and visible).
void FocusIfPossible(QWidget* control);

// Shows the message box of a refused value (OK, captioned with the program's
// name) and moves the focus to `control` when it is enabled and visible.
void RefuseInput(QWidget* owner, const QString& message, QWidget* control = nullptr);

// The checks with their message boxes: true when the text passes.
bool CheckHexText(QWidget* owner, const QString& text, int digits, const QString& badCharacterMessage,
                  const QString& badLengthMessage, QWidget* control = nullptr);
bool CheckIPv4Text(QWidget* owner, const QString& text, const QString& message, QWidget* control = nullptr);

// A number typed into an edit; a text that is not a whole number counts as -1,
// so that range checks refuse it.
int TypedNumber(const QString& text);
