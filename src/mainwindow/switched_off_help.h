#pragma once

#include <QString>

class Lochkartor;
class QWidget;

// Why a field of the form is greyed: the tube type, the heating method or
// the socket has switched it off. Hovering a greyed field shows the reason.
namespace SwitchedOffHelp {

void install(Lochkartor *window);

// The reason `field` is switched off now; empty while it is enabled or when
// nothing switches it.
QString reason(const Lochkartor &window, const QWidget *field);

} // namespace SwitchedOffHelp
