#pragma once

#include <QString>
#include <vector>

namespace TubeData {

// Why a tube data file was not loaded or not written.
struct Problem
{
    enum Kind {
        None,
        Missing,         // no such file
        NotAFile,        // a folder or other non-file
        Unreadable,      // the system refused to read it; see detail
        Damaged,         // not a readable INI file; see line and detail
        NotATubeFile,    // no "format/version" key: empty, binary, another kind of file
        TooLarge,        // larger than any tube data file can be
        MissingKey,      // a key the save always writes for this tube; see key
        TypedValue,      // a value that names a Qt type ("@Variant(...)"); see key, detail
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

// A file larger than this is refused before it is read; a tube data file
// is a few hundred bytes.
constexpr qint64 MaxFileSize = 1024 * 1024;

QString problemTitle(const Problem &problem);
// The message of the window, naming the file.
QString problemText(const Problem &problem, const QString &fileName);
// Why, without the file name and without the window's words: for a command
// line, after "file: ".
QString problemReason(const Problem &problem);

// A value that loading changed to fit its field: a number outside the
// field's range, a name longer than the field takes.
struct Adjustment
{
    QString key;                 // "group/key"
    const char *field = nullptr; // the form field's object name
    QString fileValue;           // as the file holds it
    QString loadedValue;         // as the form shows it
};

QString adjustmentsTitle();
// One line for each adjusted key under a sentence that says what happened.
QString adjustmentsText(const std::vector<Adjustment> &adjustments);
// "Anodenspannung: „400 V“ geladen als „300 V“"; the key where the field
// has no name.
QString adjustmentLine(const Adjustment &adjustment);

} // namespace TubeData
