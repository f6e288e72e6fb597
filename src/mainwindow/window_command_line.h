#pragma once

// The command line of the window program: --help, --version and at most one
// tube data file to open.

#include <QString>
#include <QStringList>

class QTextStream;

namespace WindowCommandLine {

struct Request
{
    // The program ends at once with this status (after the help, the version
    // or a usage error); -1 when the window opens.
    int exitStatus = -1;
    QString file; // empty: a new tube
};

// Reads the arguments (the program's name first; QApplication has taken its
// own, such as -style, out already) and writes what they ask for to out, or
// a usage error to err.
Request read(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace WindowCommandLine
