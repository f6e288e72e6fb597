#pragma once

#include "reading_report.h"

struct PrintedTexts;

// The texts printed on a card hold the exact values the holes only bound.
// A printed text is used only when it agrees with the holes: its value lies
// in the range the holes give, and the card engine, given the value, punches
// the same holes and prints the same text. Anything else is listed as a
// contradiction and the form keeps its safe value.
namespace PrintCheck {

// The value a printed text names: the number after "=" ("Ua=250 V (300)"
// gives 250, "Ug1=-8 V (50)" gives -8), else the first number ("6.3 V="
// gives 6.3). False when the text holds no number.
bool printedNumber(const QString &text, double *value);

// Checks every read text of `print` against the outcome's holes and puts
// those that agree into its form, the socket first.
void apply(CardReading::Outcome &outcome, const PrintedTexts &print);

// The socket of `fitting` whose name the card prints, or -1: the one a
// dialog offers first.
int printedSocket(const PrintedTexts &print, const std::vector<int> &fitting);

} // namespace PrintCheck
