#pragma once

class QLineEdit;
class QStatusBar;

// A line edit with a maximum length drops what does not fit without a word.
// This watcher notices typed, pasted and dropped text that was cut and says
// in the status bar what the limit is and what was kept.
namespace NameLimitNote {

void install(QLineEdit *field, QStatusBar *bar);

} // namespace NameLimitNote
