#include "cascade_notes.h"
#include "form_widgets.h"
#include "heating_table.h"
#include "texts.h"

#include <QLatin1String>
#include <iterator>

namespace {

bool is(std::size_t index, const char *objectName)
{
    return QLatin1String(FormSnapshot::inputs[index].objectName) == QLatin1String(objectName);
}

bool isPin(std::size_t index)
{
    const QLatin1String name(FormSnapshot::inputs[index].objectName);
    return name.startsWith(QLatin1String("pin")) && name.endsWith(QLatin1String("Function"));
}

bool heatsWithDc(const FormSnapshot &form)
{
    const int method = int(form.value("heatingMethod"));
    return method >= 0 && method < int(std::size(HeatingTable::methods))
           && HeatingTable::methods[method].supply == HeatingTable::HeaterSupply::Dc;
}

// "Grundtyp „Triode“": the edit, as the reasons name it.
QString causeText(const EditOutcome &edit, const FormWidgets &form)
{
    if (edit.cause < 0)
        return form.tubeNameLabel() + QLatin1Char(' ') + form.tubeNameText(edit.after.tubeName);
    const std::size_t cause = std::size_t(edit.cause);
    return form.label(cause) + QLatin1Char(' ') + form.valueText(cause, edit.after.values[cause]);
}

// Why the edit moved the input `index`: the rules of the form, or else the
// edit itself.
QString reason(std::size_t index, const EditOutcome &edit, const FormWidgets &form)
{
    const QString now = form.valueText(index, edit.after.values[index]);
    if (is(index, "screenVoltage"))
        return LochkartorText::tr("höchstens die Anodenspannung");
    if (is(index, "plateCurrent"))
        return LochkartorText::tr("höchstens %1 bei dieser Anodenspannung").arg(now);
    if (is(index, "heatingCurrent"))
        return heatsWithDc(edit.after)
                   ? LochkartorText::tr("höchstens %1 bei Gleichstromheizung").arg(now)
                   : LochkartorText::tr("höchstens %1 an dieser Heizspannung").arg(now);
    if (is(index, "cathodeResistor"))
        return LochkartorText::tr("eine feste Gittervorspannung schließt ihn aus");
    if (is(index, "gridVoltage"))
        return LochkartorText::tr("der Kathodenwiderstand erzeugt die Gittervorspannung");
    if (is(index, "heatingMethod") && edit.blocksAfter.rectifier)
        return LochkartorText::tr("%1 ist bei Gleichrichtern nicht wählbar")
            .arg(form.valueText(index, edit.before.values[index]));
    if (isPin(index))
        return LochkartorText::tr("ein anderer Sockel beginnt ohne Belegung");
    return LochkartorText::tr("folgt aus %1").arg(causeText(edit, form));
}

QString changeNote(const QString &labels, std::size_t index, const EditOutcome &edit,
                   const FormWidgets &form)
{
    const double before = edit.before.values[index];
    const double after = edit.after.values[index];
    const QString value = form.valueText(index, after);
    QString text;
    if (FormSnapshot::inputs[index].kind == FormSnapshot::Kind::Choice)
        text = LochkartorText::tr("%1 auf %2 gestellt: %3");
    else if (after == 0.0)
        text = LochkartorText::tr("%1 auf %2 gesetzt: %3");
    else if (after < before)
        text = LochkartorText::tr("%1 auf %2 gesenkt: %3");
    else
        text = LochkartorText::tr("%1 auf %2 angehoben: %3");
    return text.arg(labels, value, reason(index, edit, form));
}

QStringList valueNotes(const EditOutcome &edit, const FormWidgets &form)
{
    QStringList notes;
    QStringList pinLabels;
    std::size_t lastPin = 0;
    for (std::size_t i = 0; i < FormSnapshot::InputCount; ++i) {
        if (int(i) == edit.cause || edit.before.values[i] == edit.after.values[i])
            continue;
        if (isPin(i)) {
            pinLabels << form.label(i);
            lastPin = i;
            continue;
        }
        notes << changeNote(form.label(i), i, edit, form);
    }
    // A socket resets its pins together; one note says it for all of them.
    if (!pinLabels.isEmpty())
        notes.prepend(changeNote(pinLabels.join(QStringLiteral(", ")), lastPin, edit, form));
    return notes;
}

struct Block
{
    const char *name;
    bool FormBlocks::*on;
    bool onWhen;
};

const Block blocks[] = {
    {QT_TRANSLATE_NOOP("Lochkartor", "Heizung"), &FormBlocks::heater, true},
    {QT_TRANSLATE_NOOP("Lochkartor", "Anodenspannung, Anodenstrom und Kathode"),
     &FormBlocks::rectifier, false},
    {QT_TRANSLATE_NOOP("Lochkartor", "Gleichrichterwerte"), &FormBlocks::rectifier, true},
    {QT_TRANSLATE_NOOP("Lochkartor", "Schirmgitterspannung und -strom"), &FormBlocks::screenGrid,
     true},
    {QT_TRANSLATE_NOOP("Lochkartor", "Steuergitterspannung und Steilheit"),
     &FormBlocks::controlGrid, true},
};

QStringList blockNotes(const EditOutcome &edit, const FormWidgets &form)
{
    QStringList notes;
    for (const Block &block : blocks) {
        const bool wasOn = edit.blocksBefore.*block.on == block.onWhen;
        const bool isOn = edit.blocksAfter.*block.on == block.onWhen;
        if (wasOn == isOn)
            continue;
        const QString name = LochkartorText::tr(block.name);
        notes << (isOn ? LochkartorText::tr("%1 eingeschaltet: %2")
                       : LochkartorText::tr("%1 abgeschaltet, die Werte bleiben: %2"))
                     .arg(name, causeText(edit, form));
    }
    return notes;
}

} // namespace

QStringList cascadeNotes(const EditOutcome &edit, const FormWidgets &form)
{
    return valueNotes(edit, form) + blockNotes(edit, form);
}
