#pragma once

class QMainWindow;

// Names the form's nine number fields for their notes and lets the window's
// status bar show a field's range while the typed text lies outside it and
// the note when a value was changed on leaving the field.
void setUpNumberFields(QMainWindow *window);
