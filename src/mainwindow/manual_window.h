#pragma once

#include <QString>

class QWidget;

// "Hilfe → Anleitung": a short manual shipped inside the program, in the
// language the window speaks.
namespace ManualWindow {

// The manual's text (HTML) in the program's language.
QString manualText();

// Shows the manual beside `parent`; a second call raises the one open.
void show(QWidget *parent);

} // namespace ManualWindow
