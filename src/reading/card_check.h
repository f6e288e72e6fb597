#pragma once

#include "reading_report.h"
#include "tube.h"
#include "tube_data_reader.h"

#include <vector>

struct PrintedTexts;

// Reading a card back and checking the form it gives on the card engine:
// the form is loaded into a tube the way its tube data file would load, and
// that tube's card is compared with the holes that were read.
namespace CardCheck {

// The number fields' limits of a fresh form, which the reading keeps to.
CardReading::FormLimits formLimits();
// The rows of the form's lists in the current language, which the report
// names.
CardReading::ListTexts listTexts();

// The form's values as the entries of a tube data file, in the order a
// load puts them into the form: file order, with the keys entered before
// the tube type moved ahead of it.
std::vector<TubeData::Entry> loadEntries(const CardReading::Form &form);
// The tube that loading the form gives.
Tube tubeOf(const CardReading::Form &form);

// Reads `holes`, builds the form for socket list index `socket` (or, for
// -1, the best socket that serves every wired line) and checks it.
CardReading::Outcome read(const HoleList &holes, int socket);
// The same, then the texts printed on the card fill in what they agree on.
CardReading::Outcome read(const HoleList &holes, int socket, const PrintedTexts &print);

} // namespace CardCheck
