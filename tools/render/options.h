#pragma once

// The command line of lochkartor-render: what it asks for, read by
// QCommandLineParser from the table of options in options.cpp.

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace RenderOptions {

enum class Report { List, Json, None };

struct Options
{
    Report report = Report::None;
    bool universal = false;
    QString outFile;
    QString outDir;
    QStringList files;
    // Reading a card back instead of rendering files.
    bool readHoles = false;
    bool readJson = false;
    bool readImage = false;
    QString holesText;
    QString holesFile;
    QString imageFile;
    int socket = -1; // socket list index
    // One page per tube for punching by hand.
    QString pdfFile;
    QString pageSize;
    bool noList = false;
    bool noCalibration = false;
    // Only print the help or the version.
    bool help = false;
    bool version = false;
};

// "-" and /dev/stdout: -o and --pdf then write to the standard output.
bool isStandardOutput(const QString &name);

// The help text, German in the source, with the option lines the table gives.
QString usage();

// The options of the arguments (the program's name first), or nothing after
// a usage error has been written to err with the usage below it.
std::optional<Options> parse(const QStringList &arguments, QTextStream &err);

} // namespace RenderOptions
