// "Druck kalibrieren…": a test page with two rulers, the lengths the user
// measured on it, and the correction that "Karte drucken" applies from then
// on, kept in the program's settings.

#include "dialogs.h"
#include "lochkartor.h"
#include "print_calibration.h"
#include "program_settings.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>

namespace {

// The program names itself before it builds its window; a test or a tool
// that does not keeps no settings and prints uncorrected.
bool keepsSettings()
{
    return !QCoreApplication::organizationName().isEmpty();
}

} // namespace

PrintCalibration::Correction Lochkartor::printCorrection() const
{
    if (!keepsSettings())
        return {};
    bool invalid = false;
    const PrintCalibration::Correction correction = PrintCalibration::load(QSettings(), &invalid);
    if (invalid && !m_invalidCorrectionShown) {
        m_invalidCorrectionShown = true;
        statusBar()->showMessage(PrintCalibration::invalidText());
    }
    return correction;
}

// False, after a message, when the settings cannot be written.
bool Lochkartor::storePrintCorrection(const PrintCalibration::Correction &correction)
{
    if (keepsSettings()) {
        const QString problem = ProgramSettings::write(
            [&correction](QSettings &settings) { PrintCalibration::store(settings, correction); });
        if (problem.isEmpty())
            return true;
        reportSettingsNotSaved(problem);
    }
    Dialogs::critical(this, tr("Druck nicht kalibriert"),
                      tr("Die Druckkorrektur kann nicht in den Einstellungen gespeichert "
                         "werden; es gilt weiter die bisherige."));
    return false;
}

bool Lochkartor::printCalibrationPage(QPrinter *printer)
{
    const PrintTexts texts{tr("Testseite nicht gedruckt"),
                           tr("Der Drucker „%1“ meldet einen Fehler; die Testseite ist wohl "
                              "nicht gedruckt.")};
    return printPage(printer, PrintCalibration::paintTestPage, texts);
}

void Lochkartor::printCalibrationPageFromDialog()
{
    QPrinter printer(QPrinter::HighResolution);
    if (Dialogs::execPrintDialog(&printer))
        printCalibrationPage(&printer);
}

// Asks again, with the lengths as typed, until both can be true or the
// user cancels.
void Lochkartor::calibratePrinting()
{
    const PrintCalibration::Correction current = printCorrection();
    double measuredX = PrintCalibration::measuredLength(current.x);
    double measuredY = PrintCalibration::measuredLength(current.y);
    for (;;) {
        const std::optional<Dialogs::Calibration> answer = Dialogs::askPrintCalibration(
            this, PrintCalibration::describe(current), !current.isNone(), measuredX, measuredY,
            [this] { printCalibrationPageFromDialog(); });
        if (!answer)
            return;
        if (answer->reset) {
            if (storePrintCorrection({}))
                statusBar()->showMessage(tr("Druckkorrektur entfernt; Karten werden "
                                            "unkorrigiert gedruckt."));
            return;
        }
        measuredX = answer->measuredX;
        measuredY = answer->measuredY;
        const QString problemX = PrintCalibration::measuredProblem(measuredX);
        const QString problemY = PrintCalibration::measuredProblem(measuredY);
        if (problemX.isEmpty() && problemY.isEmpty()) {
            const PrintCalibration::Correction correction
                = PrintCalibration::fromMeasured(measuredX, measuredY);
            if (storePrintCorrection(correction))
                statusBar()->showMessage(tr("Druckkorrektur gespeichert: %1")
                                             .arg(PrintCalibration::describe(correction)));
            return;
        }
        Dialogs::warning(this, tr("Druck nicht kalibriert"),
                         problemX.isEmpty() ? tr("Lineal Y: %1").arg(problemY)
                                            : tr("Lineal X: %1").arg(problemX));
    }
}
