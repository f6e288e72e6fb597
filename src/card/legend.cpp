#include "legend.h"

#include <array>
#include <initializer_list>

namespace {

LegendHole I(int number, const char *value = "")
{
    return {holeI(number), QString::fromUtf8(value), QString()};
}

LegendHole II(int number, const char *value = "")
{
    return {holeII(number), QString::fromUtf8(value), QString()};
}

// A field II hole with its own label, e.g. "Ub" over "450".
LegendHole II(int number, const char *label, const char *value)
{
    return {holeII(number), QString::fromUtf8(value), QString::fromUtf8(label)};
}

LegendGroup group(int column, const char *heading, LegendStyle style,
                  std::initializer_list<LegendHole> holes)
{
    return {column, QString::fromUtf8(heading), style, holes};
}

constexpr LegendStyle Plain = LegendStyle::Plain;
constexpr LegendStyle Shared = LegendStyle::SharedValue;
constexpr LegendStyle Labels = LegendStyle::HoleLabels;
constexpr LegendStyle Bar = LegendStyle::ConnectionBar;

// The card as printed, column by column, each group top to bottom. The wiring
// groups name the tester lines by their letters A to I.
std::vector<LegendGroup> makeLegend()
{
    return {
        // column 0
        group(0, "Ug1 (V)", Plain, {I(1, "-65"), I(2, "-10"), I(3, "0")}),
        group(0, "Skala Steilheit (mA/V)", Plain,
              {I(4, "0,75"), I(5, "1,5"), I(6, "3"), II(1, "7,5"), II(2, "15"), II(3, "30"),
               II(4, "75")}),
        group(0, "Ua Diode", Shared, {II(5, "5-25 V"), II(6, "5-25 V")}),
        // column 1
        group(1, "I Glr (mA)", Plain, {I(7, "150"), I(8, "300")}),
        group(1, "Skala Ifk, Ig1, Ia0, Ileck (µA)", Plain,
              {I(9, "0,75"), I(10, "3"), I(11, "15"), I(12, "30"), II(7, "150")}),
        group(1, "Skala Ua (V)", Plain, {II(8, "15"), II(9, "75"), II(10, "150")}),
        group(1, "", Plain, {II(11)}),
        group(1, "RvStab", Plain, {II(12, "aus")}),
        // column 2
        group(2, "Sk. Uf (V)", Plain, {I(13, "3"), I(14, "7,5")}),
        group(2, "Skala Ug1 (V)", Plain,
              {I(15, "1,5"), I(16, "3"), I(17, "7,5"), I(18, "15"), II(13, "30")}),
        group(2, "Skala Ig2 (mA)", Plain,
              {II(14, "0,75"), II(15, "1,5"), II(16, "3"), II(17, "7,5"), II(18, "15")}),
        // column 3
        group(3, "Ug2 (V)", Plain, {I(19, "150"), I(20, "300")}),
        group(3, "Uf (V~)", Plain,
              {I(21, "17,5"), I(22, "13"), I(23, "10"), I(24, "7"), II(19, "5,5"), II(20, "4,5"),
               II(21, "3"), II(22, "2,5")}),
        group(3, "Sk.Ug2 (V)", Plain, {II(23, "75"), II(24, "150")}),
        // column 4
        group(4, "Ua (V)", Plain, {I(25, "150"), I(26, "300")}),
        group(4, "Skala Ia (mA)", Plain,
              {I(27, "1,5"), I(28, "3"), I(29, "7,5"), I(30, "15"), II(25, "30"), II(26, "75"),
               II(27, "150")}),
        group(4, "leer", Plain, {II(28)}),
        group(4, "", Plain, {II(29, "30"), II(30, "50")}),
        // column 5
        group(5, "Kathodenwiderstand (Ohm)", Plain,
              {I(31, "68"), I(32, "75"), I(33, "80"), I(34, "100"), I(35, "120"), I(36, "150"),
               II(31, "160"), II(32, "200"), II(33, "220"), II(34, "400"), II(35, "500"),
               II(36, "0")}),
        // column 6
        group(6, "Ck (µF)", Plain, {I(37, "10"), I(38, "100")}),
        group(6, "Serienwiderstand Gl-Rö (kOhm)", Plain,
              {I(39, "2"), I(40, "3,3"), I(41, "3,6"), I(42, "5,2"), II(37, "5,7")}),
        group(6, "Ufk (V)", Plain, {II(38, "100"), II(39, "250")}),
        group(6, "", Labels, {II(40, "Ub", "450"), II(41, "U~", "400"), II(42, "U~", "500")}),
        // column 7
        group(
            7, "Fassungskontakt g1", Plain,
            {I(43, "H"), I(44, "A"), I(45, "B"), I(46, "C"), I(47, "D"), I(48, "E"), II(43, "I")}),
        group(7, "Ug1 (V)", Shared, {II(44, "-100"), II(45, "-100")}),
        group(7, "", Labels, {II(46, "Ub", "350"), II(47, "U~", "350"), II(48, "Ub", "240")}),
        // column 8
        group(8, "Rk 600 Ohm", Plain, {I(49, "H"), I(50, "I")}),
        group(8, "Fassungskontakt Kathode", Plain,
              {I(51, "A"), I(52, "C"), I(53, "D"), I(54, "E"), II(49, "F"), II(50, "H"),
               II(51, "I")}),
        group(8, "", Labels, {II(52, "Ub", "450"), II(53, "U~", "400"), II(54, "U~", "500")}),
        // column 9
        group(9, "Fassungskontakt f-", Plain,
              {I(55, "D"), I(56, "A"), I(57, "B"), I(58, "C"), I(59, "G")}),
        group(9, "Fassungskontakt f+", Plain, {I(60, "B"), II(55, "H"), II(56, "E")}),
        group(9, "f- an", Bar, {II(57)}),
        group(9, "", Labels, {II(58, "Ub", "350"), II(59, "U~", "350"), II(60, "Ub", "240")}),
        // column 10, and the two heater groups that reach into column 11
        group(
            10, "Fassungskontakt g2", Plain,
            {I(61, "B"), I(62, "C"), I(63, "D"), I(64, "E"), I(65, "F"), I(66, "A"), II(61, "H")}),
        group(10, "Ug2\n+250V", Plain, {II(62, "D")}),
        group(10, "Heizung Uf", Plain, {II(63, "~"), II(64, "~"), II(69, "="), II(70, "=")}),
        group(10, "Prüfung Uf", Plain, {II(65, "~"), II(66, "="), II(71, "~"), II(72, "=")}),
        // column 11
        group(11, "Fassungskontakt Anode", Plain,
              {I(67, "I"), I(68, "A"), I(69, "B"), I(70, "C"), I(71, "D"), I(72, "E"), II(67, "F"),
               II(68, "H")}),
    };
}

using GroupIndex = std::array<std::array<int, HoleGrid::HolesPerField>, 2>;

GroupIndex makeGroupIndex(const std::vector<LegendGroup> &groups)
{
    GroupIndex index;
    for (auto &field : index)
        field.fill(-1);
    for (int g = 0; g < int(groups.size()); ++g) {
        for (const LegendHole &h : groups[g].holes)
            index[h.hole.field - 1][h.hole.number - 1] = g;
    }
    return index;
}

const LegendHole *findHole(const LegendGroup &group, const Hole &hole)
{
    for (const LegendHole &h : group.holes) {
        if (h.hole == hole)
            return &h;
    }
    return nullptr;
}

} // namespace

const std::vector<LegendGroup> &legendGroups()
{
    static const std::vector<LegendGroup> groups = makeLegend();
    return groups;
}

int legendGroupIndex(const Hole &hole)
{
    static const GroupIndex index = makeGroupIndex(legendGroups());
    if (!HoleGrid::isValid(hole))
        return -1;
    return index[hole.field - 1][hole.number - 1];
}

LegendEntry legendEntry(const Hole &hole)
{
    const int g = legendGroupIndex(hole);
    if (g < 0)
        return {};
    const LegendGroup &group = legendGroups()[g];
    const LegendHole *h = findHole(group, hole);
    if (!h)
        return {};
    QString heading = group.style == LegendStyle::HoleLabels ? h->label : group.heading;
    heading.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return {heading, h->value};
}

QString holeMeaning(const Hole &hole)
{
    const LegendEntry entry = legendEntry(hole);
    if (entry.heading.isEmpty())
        return entry.value;
    if (entry.value.isEmpty())
        return entry.heading;
    return entry.heading + QLatin1Char(' ') + entry.value;
}

int testerLineOf(const QString &value)
{
    if (value.size() != 1 || value.at(0) < QLatin1Char('A') || value.at(0) > QLatin1Char('I'))
        return 0;
    return value.at(0).unicode() - 'A' + 1;
}
