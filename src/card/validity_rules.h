#pragma once

#include "wiring_table.h"

#include <QString>
#include <QStringList>
#include <array>

// The rules of the validity check: from the functions the pins and the cap
// carry and the kind of tube, whether heater, cathode, control grid, screen
// grid and anode are connected in a way the tester can use, and, when they
// are not, why, in the user's words.
namespace Validity {

enum class Verdict { NoSuchElectrode, Connected, NotConnected };

// The five checks, in the order the labels are coloured.
enum class Check { Heater, Cathode, ControlGrid, ScreenGrid, Anode };
constexpr int CheckCount = 5;

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

struct TubeKind
{
    bool heaterPresent = false;
    bool directlyHeated = false;
    bool rectifier = false;
    bool controlGrid = false;
    bool screenGrid = false;
};

struct Finding
{
    Verdict verdict = Verdict::NotConnected;
    // Why the label is not green, one sentence each; empty when it is.
    QStringList reasons;
};

Finding evaluate(Check check, const FoundFunctions &found, const TubeKind &kind);

// What a green label says about the tube, for its tooltip.
QString greenMeaning(Check check);

} // namespace Validity
