#pragma once

#include <QString>

// Every piece of text a message takes from outside the program (a file's
// content, a key, a file name) passes through here: a forged newline or an
// escape sequence must not make a second line or steer the terminal, and a
// key of half a million characters must not become a message of that size.
namespace PlainText {

// The longest quote a message carries, in characters as shown.
constexpr int QuoteLength = 160;

// `text` on one line: control characters, line and paragraph separators and
// the direction overrides as C escapes ("\n", "\x1b", "\u202e"); cut at
// `length` characters (never inside one), "…" marking the cut.
QString quoted(const QString &text, int length = QuoteLength);

// The same escapes without the cut, for reports that carry a whole name on
// its own line.
QString oneLine(const QString &text);

} // namespace PlainText
