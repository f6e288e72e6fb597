#include "validity_rules.h"

#include <QCoreApplication>

namespace Validity {

namespace {

using namespace PinFunction;

QString text(const char *source)
{
    return QCoreApplication::translate("Lochkartor", source);
}

Verdict verdict(bool connected)
{
    return connected ? Verdict::Connected : Verdict::NotConnected;
}

// Both filament ends on their own heater contacts, or, for a rectifier, one
// end on a heater contact and the other on the heater contact it shares with
// the cathode.
Verdict heaterVerdict(const FoundFunctions &found, const TubeKind &kind)
{
    if (!kind.heaterPresent)
        return Verdict::NoSuchElectrode;
    const bool minus = found[HeaterMinus];
    const bool plus = found[HeaterPlus];
    const bool minusWithCathode = found[HeaterMinusAndCathode];
    const bool plusWithCathode = found[HeaterPlusAndCathode];
    const bool ownContacts = minus && plus && !minusWithCathode && !plusWithCathode;
    const bool rectifierPlusEndIsCathode
        = kind.rectifier && minus && !plus && plusWithCathode && !minusWithCathode;
    const bool rectifierMinusEndIsCathode
        = kind.rectifier && plus && !minus && minusWithCathode && !plusWithCathode;
    return verdict(ownContacts || rectifierPlusEndIsCathode || rectifierMinusEndIsCathode);
}

// A cathode of its own, a rectifier whose filament end is the cathode, or a
// directly heated filament, which is the cathode itself.
Verdict cathodeVerdict(const FoundFunctions &found, const TubeKind &kind)
{
    const bool doubleTriode = found[DoubleTriodeCathode1] || found[DoubleTriodeCathode2];
    const bool minusWithCathode = found[HeaterMinusAndCathode];
    const bool plusWithCathode = found[HeaterPlusAndCathode];
    const bool ownCathode
        = found[Cathode] && !minusWithCathode && !plusWithCathode && !doubleTriode;
    const bool rectifierFilamentCathode
        = kind.rectifier && !found[Cathode] && minusWithCathode != plusWithCathode && !doubleTriode;
    return verdict(ownCathode || rectifierFilamentCathode || kind.directlyHeated);
}

const char *const combinedOnlyForRectifiers = QT_TRANSLATE_NOOP(
    "Lochkartor", "„Heizung(-) & Kathode“ und „Heizung(+) & Kathode“ gibt es nur bei "
                  "Gleichrichtern");
const char *const bothEndsAreCathode
    = QT_TRANSLATE_NOOP("Lochkartor", "Nur ein Heizfadenende darf zugleich die Kathode sein");

// Each reason names one way the rule above is broken; together they cover
// every pinout the rule refuses.
QStringList heaterReasons(const FoundFunctions &found, const TubeKind &kind)
{
    if (!kind.heaterPresent)
        return {text(QT_TRANSLATE_NOOP("Lochkartor", "Dieser Grundtyp hat keine Heizung"))};
    const bool minus = found[HeaterMinus];
    const bool plus = found[HeaterPlus];
    const bool minusWithCathode = found[HeaterMinusAndCathode];
    const bool plusWithCathode = found[HeaterPlusAndCathode];
    QStringList reasons;
    if (!minus && !minusWithCathode)
        reasons << text(QT_TRANSLATE_NOOP("Lochkartor", "Kein Pin ist als Heizung(-) belegt"));
    if (!plus && !plusWithCathode)
        reasons << text(QT_TRANSLATE_NOOP("Lochkartor", "Kein Pin ist als Heizung(+) belegt"));
    if ((minusWithCathode || plusWithCathode) && !kind.rectifier)
        reasons << text(combinedOnlyForRectifiers);
    if (kind.rectifier && minusWithCathode && plusWithCathode)
        reasons << text(bothEndsAreCathode);
    if (kind.rectifier && ((minus && minusWithCathode) || (plus && plusWithCathode)))
        reasons << text(QT_TRANSLATE_NOOP("Lochkartor",
                                          "Ein Heizfadenende ist doppelt belegt: allein und "
                                          "zusammen mit der Kathode"));
    return reasons;
}

QStringList cathodeReasons(const FoundFunctions &found, const TubeKind &kind)
{
    if (kind.directlyHeated)
        return {};
    const bool cathode = found[Cathode];
    const bool minusWithCathode = found[HeaterMinusAndCathode];
    const bool plusWithCathode = found[HeaterPlusAndCathode];
    QStringList reasons;
    if (!cathode && !minusWithCathode && !plusWithCathode)
        reasons << text(QT_TRANSLATE_NOOP("Lochkartor", "Die Kathode hat keinen Pin"));
    if (found[DoubleTriodeCathode1] || found[DoubleTriodeCathode2])
        reasons << text(QT_TRANSLATE_NOOP("Lochkartor",
                                          "Die Kathoden einer Doppeltriode nimmt die Prüfung "
                                          "nicht an"));
    if ((minusWithCathode || plusWithCathode) && !kind.rectifier)
        reasons << text(combinedOnlyForRectifiers);
    if (kind.rectifier && minusWithCathode && plusWithCathode)
        reasons << text(bothEndsAreCathode);
    if (kind.rectifier && cathode && (minusWithCathode || plusWithCathode))
        reasons << text(QT_TRANSLATE_NOOP("Lochkartor",
                                          "Die Kathode ist doppelt belegt: als Kathode und "
                                          "zusammen mit einem Heizfadenende"));
    return reasons;
}

Finding electrodeFinding(bool tubeHasIt, bool found, const char *noSuchElectrode,
                         const char *notConnected)
{
    if (!tubeHasIt)
        return {Verdict::NoSuchElectrode, {text(noSuchElectrode)}};
    if (!found)
        return {Verdict::NotConnected, {text(notConnected)}};
    return {Verdict::Connected, {}};
}

} // namespace

Finding evaluate(Check check, const FoundFunctions &found, const TubeKind &kind)
{
    switch (check) {
    case Check::Heater:
        return {heaterVerdict(found, kind), heaterReasons(found, kind)};
    case Check::Cathode:
        return {cathodeVerdict(found, kind), cathodeReasons(found, kind)};
    case Check::ControlGrid:
        return electrodeFinding(
            kind.controlGrid, found[PinFunction::ControlGrid],
            QT_TRANSLATE_NOOP("Lochkartor", "Dieser Grundtyp hat kein Steuergitter"),
            QT_TRANSLATE_NOOP("Lochkartor",
                              "Weder ein Pin noch die Kappe ist als Steuergitter belegt"));
    case Check::ScreenGrid:
        return electrodeFinding(
            kind.screenGrid, found[PinFunction::ScreenGrid],
            QT_TRANSLATE_NOOP("Lochkartor", "Dieser Grundtyp hat kein Schirmgitter"),
            QT_TRANSLATE_NOOP("Lochkartor", "Weder ein Pin ist als Schirmgitter / Anode 2 noch "
                                            "die Kappe als Schirmgitter belegt"));
    case Check::Anode:
        return electrodeFinding(
            true, found[PinFunction::Anode], "",
            QT_TRANSLATE_NOOP("Lochkartor", "Weder ein Pin noch die Kappe ist als Anode belegt"));
    }
    return {};
}

QString greenMeaning(Check check)
{
    switch (check) {
    case Check::Heater:
        return text(QT_TRANSLATE_NOOP(
            "Lochkartor", "Grün: Heizung(-) und Heizung(+) sind belegt; bei Gleichrichtern darf "
                          "ein Heizfadenende zugleich die Kathode sein."));
    case Check::Cathode:
        return text(QT_TRANSLATE_NOOP(
            "Lochkartor", "Grün: ein Pin ist als Kathode belegt, bei Gleichrichtern auch ein "
                          "Heizfadenende zusammen mit der Kathode; bei direkter Heizung ist der "
                          "Heizfaden die Kathode."));
    case Check::ControlGrid:
        return text(QT_TRANSLATE_NOOP("Lochkartor",
                                      "Grün: ein Pin oder die Kappe ist als Steuergitter belegt."));
    case Check::ScreenGrid:
        return text(QT_TRANSLATE_NOOP("Lochkartor",
                                      "Grün: ein Pin ist als Schirmgitter / Anode 2 oder die "
                                      "Kappe als Schirmgitter belegt."));
    case Check::Anode:
        return text(
            QT_TRANSLATE_NOOP("Lochkartor", "Grün: ein Pin oder die Kappe ist als Anode belegt."));
    }
    return {};
}

} // namespace Validity
