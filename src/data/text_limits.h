#pragma once

#include <QString>

// Texts from files go into a form field with a length limit, into
// messages and into line-based reports; none of them may cut a character
// in half or break a line.
namespace TextLimits {

// At most `length` UTF-16 units, cut only between two characters as the
// user sees them (an emoji or a letter with its accent stays whole).
QString cutToLength(const QString &text, int length);

// A value quoted in a message: control characters made visible and at most
// 40 characters, "…" marking the cut.
QString quotedInMessage(const QString &text);

// Control characters as C escapes ("\n", "\t", "\x1b"), so the text stays
// on its line.
QString withVisibleControls(const QString &text);

} // namespace TextLimits
