#pragma once

#include "card.h"
#include "tube.h"

#include <array>
#include <bitset>

// The form as plain values, driven as the window's widgets are: each value
// that changes runs what the window's slot for it runs, with the spin boxes'
// rounding and clamping, the limits that follow other values and the lists
// whose rows a socket swaps. A replay starts as the window does when it is
// built; putting a tube's values in one after the other, as loading a file
// does, leaves the form and the card that the window then shows.
class FormReplay
{
public:
    FormReplay();
    // A copy of a form built once for the current language: the same as a
    // new one, without running every encoder again.
    static FormReplay fresh();
    // A form that holds exactly `tube`, the values switched-off blocks keep
    // included: from the fresh form, every value in an order in which none
    // limits one put in later, the tube type last.
    static FormReplay holding(const Tube &tube);

    // Puts one value in as loading does: a text is taken as it is, an index
    // outside its list empties the list's choice, a number is rounded to the
    // field's decimals and held within its limits.
    void set(TubeField field, const TubeValue &value);

    Tube tube() const;
    Card card() const;

private:
    struct Spin
    {
        double value;
        double minimum;
        double maximum;
        int decimals;
        bool enabled = true;
    };
    // A list and the rows it offers: its own rows, or for a pin box the
    // shared list of a tester line (1 to 9) or of a pin without one (0).
    struct List
    {
        int index;
        int count;
        bool enabled = true;
        int model = OwnModel;
    };
    static constexpr int OwnModel = -1;

    // The window's construction and its first pass of the encoders.
    void build();
    void keepSwitchedOffPins(const Tube &tube);

    // Widget behaviour.
    void setValue(TubeField field, double value);
    void setMaximum(TubeField field, double maximum);
    void setCurrentIndex(TubeField field, int index);
    void setPinModel(int pin, int model);
    void setText(CardText text, const QString &content);
    void setTextVisible(CardText text, bool visible);
    void setHole(const Hole &hole, bool punched);
    void punchOnly(const HoleList &group, const HoleList &punched);
    void punchOneOf(const HoleList &group, int index);
    void selectOne(const HoleList &group, int choice, bool lastChoiceIsNone);
    Spin &spin(TubeField field);
    const Spin &spin(TubeField field) const;
    List &list(TubeField field);
    const List &list(TubeField field) const;
    double round(const Spin &spin, double value) const;

    // The window's slots: what a changed value runs.
    void changed(TubeField field);

    // The window's encoders.
    void setTubeNameText(const QString &name);
    void encodeSocket(int index);
    void setPinCount(int n);
    void encodePinFunction(int line, int function);
    HoleList holesWiredByPins() const;
    void encodeCapFunction(int index);
    void encodeTubeType(int index);
    void switchRectifierMode(bool on);
    void switchGlowStabiliser(bool on);
    void switchScreenGrid(bool on);
    void switchControlGrid(bool on);
    void encodeHeatingMethod(int method);
    void encodeHeatingVoltageAC(int tap);
    void encodeHeatingVoltage(double volts);
    void writeHeatingCurrentText(double amperes);
    void selectPlateSupply(int supply);
    void encodePlateVoltage(double volts);
    void encodeRectPlateVoltage(int supply);
    void encodeScreenVoltage(double volts);
    void encodeGridVoltage(double volts);
    void punchGridVoltage(double volts);
    void encodeCathodeResistor(int choice);
    void encodeCathodeCap(int choice);
    void encodePlateCurrent(double milliamperes);
    void encodeRectCurrent(double milliamperes);
    void encodeScreenCurrent(double milliamperes);
    void encodeTransconductance(double milliamperesPerVolt);

    QString m_name;
    std::array<Spin, TubeFieldCount> m_spins{};
    std::array<List, TubeFieldCount> m_lists{};
    int m_pinCount = 9;
    std::array<int, 9> m_pinLines{};
    Validity::TubeKind m_kind;
    std::bitset<2 * HoleGrid::HolesPerField> m_holes;
    std::array<CardTextValue, CardTextCount> m_texts;
    int m_tubeNamePointSize = 50;
};

// The card of a tube: its values put into a fresh form, as loading its tube
// data file does. Only the values that a file of the tube holds take part,
// so a switched-off block's kept values never reach the card.
Card cardOf(const Tube &tube);

// The values that reach the card, in the order loading puts them in: those a
// tube data file of the tube holds.
std::vector<TubeField> loadOrder(const Tube &tube);

// The tube of a freshly built form ("Neu").
const Tube &freshTube();

// The fresh form's texts that a translation changes: a form kept from
// before is of another language when they differ.
QString translatedFreshTexts();
