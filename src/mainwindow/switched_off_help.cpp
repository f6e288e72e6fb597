#include "switched_off_help.h"
#include "lochkartor.h"
#include "texts.h"

#include <QHelpEvent>
#include <QToolTip>

namespace {

// The blocks of the form that something else switches off, by object name.
struct Block
{
    std::initializer_list<const char *> widgets;
    const char *reason;
};

const Block blocks[] = {
    {{"plateVoltage", "plateVoltageLabel", "plateCurrent", "plateCurrentLabel", "cathodeResistor",
      "cathodeResistorLabel", "cathodeCap", "cathodeCapLabel"},
     QT_TRANSLATE_NOOP("Lochkartor", "Bei Gleichrichtern gelten stattdessen die Glr.-Felder")},
    {{"rectPlateVoltage", "rectPlateVoltageLabel", "rectLoadResistor", "rectLoadResistorLabel",
      "rectCap", "rectCapLabel", "rectCurrent", "rectCurrentLabel"},
     QT_TRANSLATE_NOOP("Lochkartor", "Nur für den Grundtyp Gleichrichter")},
    {{"screenVoltage", "screenVoltageLabel", "screenCurrent", "screenCurrentLabel"},
     QT_TRANSLATE_NOOP("Lochkartor", "Der gewählte Grundtyp hat kein Schirmgitter")},
    {{"gridVoltage", "gridVoltageLabel", "transconductance", "transconductanceLabel"},
     QT_TRANSLATE_NOOP("Lochkartor", "Der gewählte Grundtyp hat kein Steuergitter")},
    {{"heatingMethod", "heatingMethodLabel"},
     QT_TRANSLATE_NOOP("Lochkartor", "Glimmstabilisatoren werden nicht geheizt")},
    {{"heatingVoltage", "heatingVoltageLabel"},
     QT_TRANSLATE_NOOP("Lochkartor", "Nur bei Heizart Gleichstrom; bei Wechselstrom gilt die "
                                     "Heizspannung AC")},
    {{"heatingVoltageAC", "heatingVoltageACLabel"},
     QT_TRANSLATE_NOOP("Lochkartor", "Nur bei Heizart Wechselstrom; bei Gleichstrom gilt die "
                                     "Heizspannung DC")},
};

bool isHeatingField(const QString &name)
{
    return name.startsWith(QLatin1String("heatingVoltage"));
}

// "pin7Function" and "linePin7" belong to pin 7; 0 for any other field.
int pinOf(const QString &name)
{
    for (const QLatin1String prefix : {QLatin1String("pin"), QLatin1String("linePin")}) {
        if (name.startsWith(prefix) && name.size() > prefix.size()
            && name.at(prefix.size()).isDigit()
            && (prefix == QLatin1String("linePin") || name.endsWith(QLatin1String("Function"))))
            return name.at(prefix.size()).digitValue();
    }
    return 0;
}

class TooltipFilter : public QObject
{
public:
    explicit TooltipFilter(Lochkartor *window)
        : QObject(window)
        , m_window(window)
    { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        const QString why = SwitchedOffHelp::reason(*m_window, static_cast<QWidget *>(watched));
        if (why.isEmpty())
            return false;
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), why,
                           static_cast<QWidget *>(watched));
        return true;
    }

private:
    Lochkartor *m_window;
};

} // namespace

namespace SwitchedOffHelp {

QString reason(const Lochkartor &window, const QWidget *field)
{
    if (!field || field->isEnabled())
        return QString();
    const QString name = field->objectName();
    // Without a heater there is no heating voltage of either kind.
    if (isHeatingField(name) && !window.hasHeater())
        return LochkartorText::tr("Glimmstabilisatoren werden nicht geheizt");
    for (const Block &block : blocks) {
        for (const char *widget : block.widgets) {
            if (name == QLatin1String(widget))
                return LochkartorText::tr(block.reason);
        }
    }
    if (pinOf(name) > 0)
        return LochkartorText::tr("Der gewählte Sockel hat nur %1 Pins")
            .arg(window.currentPinCount());
    return QString();
}

// Every named widget is watched; the filter only speaks for a greyed one
// that has a reason.
void install(Lochkartor *window)
{
    auto *filter = new TooltipFilter(window);
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty())
            widget->installEventFilter(filter);
    }
}

} // namespace SwitchedOffHelp
