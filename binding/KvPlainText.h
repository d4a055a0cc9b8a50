// Text from an agent (or typed by a user) shown by widgets that decide by
// themselves whether a text is rich: a tooltip, label or message box lays out
// "<img src=... width=3000>" as a picture and "<b>" as bold.  Everything the
// module shows goes through these, so an agent's values read as written.
#pragma once

#include <QString>

class QLabel;

// Tooltip markup that shows text as it is: tags and entities as written,
// line breaks and runs of blanks kept.  Unicode format characters (the
// bidirectional overrides that reorder what follows them, zero-width joiners)
// are dropped: in a hint they only disguise a value.  An empty text stays
// empty (no tooltip).
QString KvPlainHint(const QString& text);

// Sets a label's text as plain text.
void KvSetPlainText(QLabel* label, const QString& text);
