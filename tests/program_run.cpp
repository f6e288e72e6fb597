#include "program_run.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace TestSupport {

QStringList ProgramRun::outLines() const
{
    return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList ProgramRun::errLines() const
{
    return err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

ProgramRun runProgram(const QString &program, const QStringList &arguments,
                      const QString &workingDirectory, const QString &runtimeDirectory,
                      const QString &language,
                      const QList<QPair<QString, QString>> &extraEnvironment)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LC_MEASUREMENT", "LC_PAPER", "LANGUAGE"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), language);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const auto &[name, value] : extraEnvironment)
        environment.insert(name, value);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.outBytes = process.readAllStandardOutput();
    run.errBytes = process.readAllStandardError();
    run.out = QString::fromUtf8(run.outBytes);
    run.err = QString::fromUtf8(run.errBytes);
    return run;
}

} // namespace TestSupport
