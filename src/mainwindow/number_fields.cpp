#include "number_fields.h"
#include "numberfield.h"
#include "status_notes.h"
#include "texts.h"

#include <QMainWindow>
#include <QStatusBar>

namespace {

struct NumberFieldName
{
    const char *objectName;
    const char *genitiveName;
    const char *unit;
};

const NumberFieldName numberFieldNames[] = {
    {"heatingVoltage", QT_TRANSLATE_NOOP("Lochkartor", "der Heizspannung"), "V"},
    {"heatingCurrent", QT_TRANSLATE_NOOP("Lochkartor", "des Heizstroms"), "A"},
    {"plateVoltage", QT_TRANSLATE_NOOP("Lochkartor", "der Anodenspannung"), "V"},
    {"screenVoltage", QT_TRANSLATE_NOOP("Lochkartor", "der Schirmgitterspannung"), "V"},
    {"gridVoltage", QT_TRANSLATE_NOOP("Lochkartor", "der Steuergitterspannung"), "V"},
    {"plateCurrent", QT_TRANSLATE_NOOP("Lochkartor", "des Anodenstroms"), "mA"},
    {"screenCurrent", QT_TRANSLATE_NOOP("Lochkartor", "des Schirmgitterstroms"), "mA"},
    {"transconductance", QT_TRANSLATE_NOOP("Lochkartor", "der Steilheit"), "mA/V"},
    {"rectCurrent", QT_TRANSLATE_NOOP("Lochkartor", "des Gleichrichtstroms"), "mA"},
};

} // namespace

void setUpNumberFields(QMainWindow *window)
{
    QStatusBar *statusBar = window->statusBar();
    for (const NumberFieldName &name : numberFieldNames) {
        auto *field = window->findChild<NumberField *>(QLatin1String(name.objectName));
        if (!field)
            continue;
        field->describe(LochkartorText::tr(name.genitiveName), QString::fromUtf8(name.unit));
        // A hint goes when its text is back in range, unless something else
        // has been said since.
        QObject::connect(field, &NumberField::hintChanged, statusBar,
                         [statusBar, shown = QString()](const QString &hint) mutable {
                             if (!hint.isEmpty())
                                 statusBar->showMessage(hint);
                             else if (statusBar->currentMessage() == shown)
                                 statusBar->clearMessage();
                             shown = hint;
                         });
        QObject::connect(field, &NumberField::corrected, statusBar,
                         [statusBar](const QString &note) { StatusNotes::show(statusBar, note); });
    }
}
