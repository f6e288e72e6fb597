#pragma once

class QTextStream;

// A program that prints its results must not end with status 0 when they
// did not arrive: stdout on a full disk, a closed pipe or a device that
// refuses to take them.
namespace StreamCheck {

// Flushes both streams and returns the status the program ends with:
// `status` when both took everything, else 1. A failed stdout is named on
// `err` (where stderr itself still works), with its reason.
int finish(int status, QTextStream &out, QTextStream &err);

} // namespace StreamCheck
