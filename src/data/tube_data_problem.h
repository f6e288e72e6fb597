#pragma once

#include <QString>

namespace TubeData {

// Why a tube data file was not loaded or not written.
struct Problem
{
    enum Kind {
        None,
        Missing,         // no such file
        NotAFile,        // a folder or other non-file
        Unreadable,      // the system refused to read it; see detail
        Damaged,         // not a readable INI file
        WrongVersion,    // no tube data file of the version this program writes
        OutOfRange,      // an index outside its list
        NotANumber,      // text, NaN or infinity where a number belongs
        NotAWholeNumber, // an index that is no whole number
        NotOnLine,       // a pin function the pin's tester line cannot carry; see line
        NotForTubeType,  // a choice the form does not offer for the file's tube type
        Unwritable,      // the file could not be written; see detail
    };

    Kind kind = None;
    QString key;   // "group/key" of a bad value
    QString value; // the bad value as the file holds it
    int first = 0; // the indexes the key allows
    int last = 0;
    int line = 0; // the pin's tester line, 0 for none
    QString detail;

    bool ok() const { return kind == None; }
};

inline Problem problemOf(Problem::Kind kind, const QString &detail = QString())
{
    Problem problem;
    problem.kind = kind;
    problem.detail = detail;
    return problem;
}

QString problemTitle(const Problem &problem);
QString problemText(const Problem &problem, const QString &fileName);

} // namespace TubeData
