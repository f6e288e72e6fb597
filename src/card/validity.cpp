#include "lochkartor.h"
#include "ui_lochkartor.h"
#include "wiring_table.h"

#include <QComboBox>
#include <array>

namespace {

enum class Verdict { NoSuchElectrode, Connected, NotConnected };

QString styleSheetOf(Verdict verdict)
{
    switch (verdict) {
    case Verdict::NoSuchElectrode:
        return QStringLiteral("QLabel {background-color : grey}");
    case Verdict::Connected:
        return QStringLiteral("QLabel {background-color : lightgreen}");
    case Verdict::NotConnected:
        break;
    }
    return QStringLiteral("QLabel {background-color : red}");
}

Verdict verdict(bool connected)
{
    return connected ? Verdict::Connected : Verdict::NotConnected;
}

// Which wired functions at least one pin (or the cap) carries.
class FoundFunctions
{
public:
    void add(int function)
    {
        if (function >= 0 && function < PinFunction::WiredCount)
            m_found[function] = true;
    }
    bool operator[](int function) const { return m_found[function]; }

private:
    std::array<bool, PinFunction::WiredCount> m_found{};
};

using namespace PinFunction;

// Both filament ends on their own heater contacts, or, for a rectifier, one
// end on a heater contact and the other on the heater contact it shares with
// the cathode.
Verdict heaterVerdict(const FoundFunctions &found, bool heaterPresent, bool rectifier)
{
    if (!heaterPresent)
        return Verdict::NoSuchElectrode;
    const bool minus = found[HeaterMinus];
    const bool plus = found[HeaterPlus];
    const bool minusWithCathode = found[HeaterMinusAndCathode];
    const bool plusWithCathode = found[HeaterPlusAndCathode];
    const bool ownContacts = minus && plus && !minusWithCathode && !plusWithCathode;
    const bool rectifierPlusEndIsCathode
        = rectifier && minus && !plus && plusWithCathode && !minusWithCathode;
    const bool rectifierMinusEndIsCathode
        = rectifier && plus && !minus && minusWithCathode && !plusWithCathode;
    return verdict(ownContacts || rectifierPlusEndIsCathode || rectifierMinusEndIsCathode);
}

// A cathode of its own, a rectifier whose filament end is the cathode, or a
// directly heated filament, which is the cathode itself.
Verdict cathodeVerdict(const FoundFunctions &found, bool rectifier, bool directlyHeated)
{
    const bool doubleTriode = found[DoubleTriodeCathode1] || found[DoubleTriodeCathode2];
    const bool minusWithCathode = found[HeaterMinusAndCathode];
    const bool plusWithCathode = found[HeaterPlusAndCathode];
    const bool ownCathode
        = found[Cathode] && !minusWithCathode && !plusWithCathode && !doubleTriode;
    const bool rectifierFilamentCathode
        = rectifier && !found[Cathode] && minusWithCathode != plusWithCathode && !doubleTriode;
    return verdict(ownCathode || rectifierFilamentCathode || directlyHeated);
}

Verdict electrodeVerdict(bool tubeHasIt, bool found)
{
    return tubeHasIt ? verdict(found) : Verdict::NoSuchElectrode;
}

} // namespace

// Colours the five check labels from the pin functions and the tube kind.
// Only pins of the socket that reach a tester line count: a pin without a
// line connects nothing, whatever its box shows.
// Re-polishing a label costs more than the whole check; the check runs after
// every pin edit, and most runs leave a label's colour as it was.
static void restyle(QLabel *label, const QString &styleSheet)
{
    if (label->styleSheet() != styleSheet)
        label->setStyleSheet(styleSheet);
}

void Lochkartor::checkValidity()
{
    FoundFunctions found;
    for (int pin = 1; pin <= pinCount && pin <= int(pinLines.size()); ++pin) {
        if (pinLines[pin - 1] != 0)
            found.add(pinFunctionBoxes[pin - 1]->currentIndex());
    }
    found.add(Wiring::capPinFunction(ui->capFunction->currentIndex()));

    restyle(ui->heaterOK, styleSheetOf(heaterVerdict(found, heaterPresentFlag, rectifierFlag)));
    restyle(ui->cathodeOK, styleSheetOf(cathodeVerdict(found, rectifierFlag, directHeatingFlag)));
    restyle(ui->gridOK,
            styleSheetOf(electrodeVerdict(controlGridFlag, found[PinFunction::ControlGrid])));
    restyle(ui->screenOK,
            styleSheetOf(electrodeVerdict(screenGridFlag, found[PinFunction::ScreenGrid])));
    restyle(ui->plateOK, styleSheetOf(verdict(found[PinFunction::Anode])));
}
