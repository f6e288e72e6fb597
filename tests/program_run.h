#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace TestSupport {

// What one run of a program printed and how it ended.
struct ProgramRun
{
    int exitCode = -1; // -1: crashed or timed out
    QString out;
    QString err;
    QByteArray outBytes; // as written, for comparisons byte by byte
    QByteArray errBytes;

    QStringList outLines() const;
    QStringList errLines() const;
};

// Runs `program` on the offscreen platform in `workingDirectory`, with the
// locale variables that would outrank LANG removed and LANG set to
// `language`, so its texts do not depend on the machine running the test;
// `extraEnvironment` adds or replaces variables (such as XDG_CONFIG_HOME).
ProgramRun runProgram(const QString &program, const QStringList &arguments,
                      const QString &workingDirectory, const QString &runtimeDirectory,
                      const QString &language = QStringLiteral("de_DE.UTF-8"),
                      const QList<QPair<QString, QString>> &extraEnvironment = {});

} // namespace TestSupport
