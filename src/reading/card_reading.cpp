#include "card_reading.h"

#include "desired_values_table.h"
#include "heating_table.h"
#include "isolation_test_table.h"
#include "operating_point_table.h"
#include "ranges.h"
#include "socket_likelihood.h"
#include "socket_table.h"
#include "tube.h"
#include "tube_type_table.h"
#include "wiring_table.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <tuple>

namespace CardReading {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// The holes of a card and which of them a setting has explained so far.
class Card
{
public:
    explicit Card(const HoleList &holes)
        : m_holes(holes)
    { }

    bool has(const Hole &hole) const
    {
        return std::binary_search(m_holes.begin(), m_holes.end(), hole);
    }
    bool hasAll(const HoleList &holes) const
    {
        return !holes.empty()
               && std::all_of(holes.begin(), holes.end(), [this](const Hole &h) { return has(h); });
    }
    HoleList punchedOf(const HoleList &holes) const
    {
        HoleList punched;
        for (const Hole &hole : holes) {
            if (has(hole))
                punched.push_back(hole);
        }
        return punched;
    }
    void explain(const HoleList &holes)
    {
        m_explained.insert(m_explained.end(), holes.begin(), holes.end());
    }
    HoleList unexplained() const
    {
        HoleList left;
        for (const Hole &hole : m_holes) {
            if (std::find(m_explained.begin(), m_explained.end(), hole) == m_explained.end())
                left.push_back(hole);
        }
        return left;
    }

private:
    HoleList m_holes;
    HoleList m_explained;
};

// An exclusive group of the card: each row is one choice and its holes.
struct Group
{
    const char *subject;
    std::vector<HoleList> rows;
};

Group singleHoleGroup(const char *subject, const HoleList &holes)
{
    Group group{subject, {}};
    for (const Hole &hole : holes)
        group.rows.push_back({hole});
    return group;
}

HoleList joined(const std::vector<HoleList> &lists)
{
    HoleList all;
    for (const HoleList &list : lists)
        all.insert(all.end(), list.begin(), list.end());
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

class Reader
{
public:
    Reader(const HoleList &holes, const FormLimits &limits)
        : m_card(holes)
        , m_limits(limits)
    {
        m_reading.holes = holes;
    }

    Reading run();

private:
    // The row of `group` whose holes are all punched, or -1; a second such
    // row is a contradiction. The chosen row's holes are explained.
    int choose(const Group &group, int firstRow = 0, int endRow = -1);
    void add(Fault fault, const char *subject, const HoleList &holes)
    {
        m_reading.contradictions.push_back({fault, QString::fromUtf8(subject), holes});
    }
    void readCurrentScales();
    void readResistor();
    void readWiring();
    void readHeating();
    void chooseTubeType();
    void checkBlocks();
    void readValues();
    void readPlateAndGrid();

    Card m_card;
    int m_dcScaleRow = -1;
    FormLimits m_limits;
    Reading m_reading;
};

int Reader::choose(const Group &group, int firstRow, int endRow)
{
    if (endRow < 0)
        endRow = int(group.rows.size());
    std::vector<int> matched;
    for (int row = firstRow; row < endRow; ++row) {
        if (m_card.hasAll(group.rows[std::size_t(row)]))
            matched.push_back(row);
    }
    if (matched.empty())
        return -1;
    if (matched.size() > 1) {
        std::vector<HoleList> rows;
        for (int row : matched)
            rows.push_back(group.rows[std::size_t(row)]);
        add(Fault::TwoChoices, group.subject, joined(rows));
    }
    for (int row : matched)
        m_card.explain(group.rows[std::size_t(row)]);
    return matched.front();
}

// ---- the groups, as the tables of the card define them

Group plateSupplyGroup()
{
    return {QT_TRANSLATE_NOOP("Lochkartor", "Anodenspannung"),
            {std::begin(OperatingPointTable::plateSupplies),
             std::end(OperatingPointTable::plateSupplies)}};
}

Group resistorGroup()
{
    Group group{QT_TRANSLATE_NOOP("Lochkartor", "Kathodenwiderstand"), {}};
    for (const auto &resistor : OperatingPointTable::resistors)
        group.rows.push_back(resistor.holes);
    return group;
}

constexpr int DoubleTriodeResistor = 14;

bool isRectifierSupply(int supply)
{
    for (const auto &row : OperatingPointTable::rectifierSupplies) {
        if (row.supply == supply)
            return true;
    }
    return false;
}

bool isRectifierCurrentScale(int scale)
{
    for (const auto &row : DesiredValuesTable::rectCurrentRanges) {
        if (row.scale == scale)
            return true;
    }
    return false;
}

void Reader::readCurrentScales()
{
    using namespace DesiredValuesTable;
    m_reading.plateCurrentScale = choose(
        singleHoleGroup(QT_TRANSLATE_NOOP("Lochkartor", "Skala Ia"), plateCurrentScaleHoles));
    m_reading.screenCurrentScale = choose(
        singleHoleGroup(QT_TRANSLATE_NOOP("Lochkartor", "Skala Ig2"), screenCurrentScaleHoles));
    m_reading.transconductanceScale = choose(singleHoleGroup(
        QT_TRANSLATE_NOOP("Lochkartor", "Skala Steilheit"), transconductanceScaleHoles));
}

// The double-triode resistor punches the Rk 600 Ohm contacts of lines H and
// I. Those holes are wiring unless no other resistor is punched and the tube
// is no rectifier, whose load resistors share the group.
void Reader::readResistor()
{
    const Group group = resistorGroup();
    std::vector<int> single;
    for (int row = 0; row < int(group.rows.size()); ++row) {
        if (row != DoubleTriodeResistor && m_card.hasAll(group.rows[std::size_t(row)]))
            single.push_back(row);
    }
    if (!single.empty()) {
        std::vector<HoleList> rows;
        for (int row : single) {
            rows.push_back(group.rows[std::size_t(row)]);
            m_card.explain(rows.back());
        }
        if (single.size() > 1)
            add(Fault::TwoChoices, group.subject, joined(rows));
        m_reading.resistor = single.front();
        return;
    }
    if (!m_reading.rectifier && m_card.hasAll(group.rows[DoubleTriodeResistor])) {
        m_reading.resistor = DoubleTriodeResistor;
        m_reading.doubleTriodeResistor = true;
        m_card.explain(group.rows[DoubleTriodeResistor]);
    }
}

// A line's punched wiring holes name one pin function, or two buses that a
// combined function joins; anything else is a contradiction, and the form
// takes the function that covers most of the holes.
void Reader::readWiring()
{
    const HoleList resistorHoles = m_reading.doubleTriodeResistor
                                       ? OperatingPointTable::resistors[DoubleTriodeResistor].holes
                                       : HoleList{};
    for (int line = 1; line <= TesterLineCount; ++line) {
        HoleList punched = m_card.punchedOf(withoutHoles(Wiring::lineHoles(line), resistorHoles));
        std::sort(punched.begin(), punched.end());
        int function = PinFunction::NotConnected;
        if (!punched.empty()) {
            int bestOverlap = -1;
            bool exact = false;
            for (int candidate = 0; candidate < PinFunction::WiredCount && !exact; ++candidate) {
                HoleList holes = Wiring::holesOf(line, candidate);
                if (holes.empty())
                    continue;
                std::sort(holes.begin(), holes.end());
                exact = holes == punched;
                const int overlap = int(m_card.punchedOf(holes).size()) - int(holes.size());
                if (exact || overlap > bestOverlap) {
                    bestOverlap = overlap;
                    function = candidate;
                }
            }
            if (!exact)
                add(Fault::UncombinedBuses, QT_TRANSLATE_NOOP("Lochkartor", "Leitung"), punched);
            m_card.explain(punched);
        }
        m_reading.lineFunctions[std::size_t(line - 1)] = function;
    }
}

void Reader::readHeating()
{
    using namespace HeatingTable;
    const Group supplies{QT_TRANSLATE_NOOP("Lochkartor", "Heizung Uf"),
                         {acSupplyHoles, dcSupplyHoles}};
    const int supply = choose(supplies);
    m_reading.heaterSupply = supply == 0 ? Supply::Ac : supply == 1 ? Supply::Dc : Supply::None;
    // A supply's switch holes are punched all together or not at all.
    const HoleList partial = m_card.unexplained();
    HoleList strays;
    for (const Hole &hole : joined(supplies.rows)) {
        if (std::find(partial.begin(), partial.end(), hole) != partial.end())
            strays.push_back(hole);
    }
    if (!strays.empty())
        add(Fault::HeaterIncomplete, supplies.subject, strays);

    m_reading.directlyHeated = m_card.has(filamentMinusHole);
    m_card.explain({filamentMinusHole});

    Group tapGroup{QT_TRANSLATE_NOOP("Lochkartor", "Uf (V~)"), {}};
    for (const Tap &tap : taps)
        tapGroup.rows.push_back({tap.hole});
    m_reading.heatingTap = choose(tapGroup);
    const int dcScale
        = choose(singleHoleGroup(QT_TRANSLATE_NOOP("Lochkartor", "Sk. Uf (V)"), dcScaleHoles));

    const bool supplied = m_reading.heaterSupply != Supply::None;
    if (supplied && m_reading.heatingTap < 0)
        add(Fault::HeaterIncomplete, tapGroup.subject, m_card.punchedOf(joined(supplies.rows)));
    if (!supplied && m_reading.heatingTap >= 0)
        add(Fault::HeaterIncomplete, supplies.subject,
            {taps[std::size_t(m_reading.heatingTap)].hole});
    if (!supplied && m_reading.directlyHeated)
        add(Fault::HeaterIncomplete, supplies.subject, {filamentMinusHole});
    if (dcScale >= 0 && m_reading.heaterSupply != Supply::Dc)
        add(Fault::BlockOff, QT_TRANSLATE_NOOP("Lochkartor", "Sk. Uf (V)"),
            {dcScaleHoles[std::size_t(dcScale)]});
    m_dcScaleRow = dcScale;
}

void Reader::readPlateAndGrid()
{
    using namespace OperatingPointTable;
    m_reading.plateSupply = choose(plateSupplyGroup());
    m_reading.plateScale
        = choose(singleHoleGroup(QT_TRANSLATE_NOOP("Lochkartor", "Skala Ua (V)"), plateScaleHoles));
    m_reading.screenSupplyChoice
        = choose(singleHoleGroup(QT_TRANSLATE_NOOP("Lochkartor", "Ug2 (V)"), screenSupplyHoles));
    m_reading.screenScaleChoice
        = choose(singleHoleGroup(QT_TRANSLATE_NOOP("Lochkartor", "Sk.Ug2 (V)"), screenScaleHoles));
    m_reading.gridSupplyChoice
        = choose(singleHoleGroup(QT_TRANSLATE_NOOP("Lochkartor", "Ug1 (V)"), gridSupplyHoles));
    m_reading.gridScaleChoice
        = choose(singleHoleGroup(QT_TRANSLATE_NOOP("Lochkartor", "Skala Ug1 (V)"), gridScaleHoles));
    const int capacitor
        = choose(singleHoleGroup(QT_TRANSLATE_NOOP("Lochkartor", "Ck (µF)"), capacitorHoles));
    // Row 0 of the capacitor list is built in and has no hole.
    for (int row = 0; row < int(std::size(capacitors)); ++row) {
        if (capacitor >= 0 && capacitors[row] == HoleList{capacitorHoles[std::size_t(capacitor)]})
            m_reading.capacitor = row;
    }
    m_reading.isotestVoltage = choose(singleHoleGroup(QT_TRANSLATE_NOOP("Lochkartor", "Ufk (V)"),
                                                      IsolationTestTable::voltageHoles));
    m_reading.isotestRange
        = choose(singleHoleGroup(QT_TRANSLATE_NOOP("Lochkartor", "Skala Ifk, Ig1, Ia0, Ileck (µA)"),
                                 IsolationTestTable::rangeHoles));
}

// The simplest tube type that switches on exactly the blocks that have
// holes; without one, the type that differs in the fewest blocks.
void Reader::chooseTubeType()
{
    Reading &r = m_reading;
    r.rectifier = isRectifierSupply(r.plateSupply)
                  || r.resistor >= OperatingPointTable::FirstLoadResistor
                  || isRectifierCurrentScale(r.plateCurrentScale);
    r.glowStabiliser = !m_card.has(stabiliserResistorOff);
    r.screenGrid
        = r.screenSupplyChoice == 0 || r.screenScaleChoice >= 0 || r.screenCurrentScale >= 0;
    r.controlGrid
        = r.gridSupplyChoice >= 0 || r.gridScaleChoice >= 0 || r.transconductanceScale >= 0;
    int best = 0;
    int bestMismatches = 5;
    for (int type = 0; type < TubeTypeCount; ++type) {
        const TubeTypeSwitches *s = findTubeTypeSwitches(type);
        const int mismatches
            = int(s->rectifierMode != r.rectifier) + int(s->glowStabiliser != r.glowStabiliser)
              + int(s->screenGrid != r.screenGrid) + int(s->controlGrid != r.controlGrid);
        if (mismatches == 0)
            r.tubeTypes.push_back(type);
        if (mismatches < bestMismatches) {
            best = type;
            bestMismatches = mismatches;
        }
    }
    r.tubeType = best;
}

// Holes of blocks that the chosen type switches off, and groups that a block
// it switches on needs but that have no hole.
void Reader::checkBlocks()
{
    using namespace OperatingPointTable;
    Reading &r = m_reading;
    const TubeTypeSwitches *s = findTubeTypeSwitches(r.tubeType);
    auto blockOff = [this](const char *subject, bool punched, const HoleList &holes) {
        if (punched)
            add(Fault::BlockOff, subject, m_card.punchedOf(holes));
    };
    auto missing = [this](const char *subject, bool chosen, const HoleList &holes) {
        if (!chosen)
            add(Fault::MissingChoice, subject, holes);
    };
    const HoleList rectifierSupplyHoles
        = joined({plateSupplies[3], plateSupplies[4], plateSupplies[5]});
    const HoleList amplifierSupplyHoles
        = joined({plateSupplies[0], plateSupplies[1], plateSupplies[2]});
    HoleList loadHoles;
    HoleList cathodeHoles;
    for (int row = 0; row < int(std::size(resistors)); ++row) {
        HoleList &target = row >= FirstLoadResistor ? loadHoles : cathodeHoles;
        target.insert(target.end(), resistors[row].holes.begin(), resistors[row].holes.end());
    }
    const HoleList &currentHoles = DesiredValuesTable::plateCurrentScaleHoles;
    const HoleList rectCurrentHoles = {currentHoles[7], currentHoles[8]};
    const HoleList plateCurrentHoles(currentHoles.begin(), currentHoles.begin() + 7);

    if (s->rectifierMode) {
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "Anodenspannung"),
                 r.plateSupply >= 0 && !isRectifierSupply(r.plateSupply), amplifierSupplyHoles);
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "Kathodenwiderstand"),
                 r.resistor >= 0 && r.resistor < FirstLoadResistor, cathodeHoles);
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "Ck (µF)"), r.capacitor == 2, capacitorHoles);
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "Skala Ia"),
                 r.plateCurrentScale >= 0 && !isRectifierCurrentScale(r.plateCurrentScale),
                 plateCurrentHoles);
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "f- an"), r.directlyHeated,
                 {HeatingTable::filamentMinusHole});
        missing(QT_TRANSLATE_NOOP("Lochkartor", "Anodenspannung"), isRectifierSupply(r.plateSupply),
                rectifierSupplyHoles);
        missing(QT_TRANSLATE_NOOP("Lochkartor", "Glr.-Lastwiderstand"),
                r.resistor >= FirstLoadResistor, loadHoles);
        missing(QT_TRANSLATE_NOOP("Lochkartor", "I Glr (mA)"),
                isRectifierCurrentScale(r.plateCurrentScale), rectCurrentHoles);
    } else {
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "Anodenspannung"),
                 isRectifierSupply(r.plateSupply), rectifierSupplyHoles);
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "Glr.-Lastwiderstand"),
                 r.resistor >= FirstLoadResistor, loadHoles);
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "I Glr (mA)"),
                 isRectifierCurrentScale(r.plateCurrentScale), rectCurrentHoles);
        missing(QT_TRANSLATE_NOOP("Lochkartor", "Anodenspannung"),
                r.plateSupply >= 0 && !isRectifierSupply(r.plateSupply), amplifierSupplyHoles);
        missing(QT_TRANSLATE_NOOP("Lochkartor", "Kathodenwiderstand"),
                r.resistor >= 0 && r.resistor < FirstLoadResistor, cathodeHoles);
        missing(QT_TRANSLATE_NOOP("Lochkartor", "Skala Ia"),
                r.plateCurrentScale >= 0 && !isRectifierCurrentScale(r.plateCurrentScale),
                plateCurrentHoles);
    }

    const HoleList heaterHoles = joined({HeatingTable::acSupplyHoles,
                                         HeatingTable::dcSupplyHoles,
                                         {HeatingTable::filamentMinusHole},
                                         HeatingTable::dcScaleHoles});
    HoleList tapHoles;
    for (const auto &tap : HeatingTable::taps)
        tapHoles.push_back(tap.hole);
    const bool heaterPunched = !m_card.punchedOf(joined({heaterHoles, tapHoles})).empty();
    if (s->glowStabiliser) {
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "Heizung Uf"), heaterPunched,
                 joined({heaterHoles, tapHoles}));
    } else {
        missing(QT_TRANSLATE_NOOP("Lochkartor", "RvStab"), m_card.has(stabiliserResistorOff),
                {stabiliserResistorOff});
        missing(QT_TRANSLATE_NOOP("Lochkartor", "Heizung Uf"), heaterPunched,
                joined({HeatingTable::acSupplyHoles, HeatingTable::dcSupplyHoles}));
    }
    m_card.explain({stabiliserResistorOff});

    if (s->screenGrid) {
        missing(QT_TRANSLATE_NOOP("Lochkartor", "Ug2 (V)"), r.screenSupplyChoice >= 0,
                screenSupplyHoles);
        missing(QT_TRANSLATE_NOOP("Lochkartor", "Skala Ig2"), r.screenCurrentScale >= 0,
                DesiredValuesTable::screenCurrentScaleHoles);
    } else {
        // Without a screen grid its supply rests on 300 V.
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "Ug2 (V)"),
                 r.screenSupplyChoice >= 0 && r.screenSupplyChoice != screenSupply300V,
                 {screenSupplyHoles[0]});
        missing(QT_TRANSLATE_NOOP("Lochkartor", "Ug2 (V)"),
                m_card.has(screenSupplyHoles[screenSupply300V]),
                {screenSupplyHoles[screenSupply300V]});
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "Sk.Ug2 (V)"), r.screenScaleChoice >= 0,
                 screenScaleHoles);
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "Skala Ig2"), r.screenCurrentScale >= 0,
                 DesiredValuesTable::screenCurrentScaleHoles);
    }
    if (s->controlGrid) {
        missing(QT_TRANSLATE_NOOP("Lochkartor", "Ug1 (V)"), r.gridSupplyChoice >= 0,
                gridSupplyHoles);
        missing(QT_TRANSLATE_NOOP("Lochkartor", "Skala Steilheit"), r.transconductanceScale >= 0,
                DesiredValuesTable::transconductanceScaleHoles);
    } else {
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "Ug1 (V)"), r.gridSupplyChoice >= 0,
                 gridSupplyHoles);
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "Skala Ug1 (V)"), r.gridScaleChoice >= 0,
                 gridScaleHoles);
        blockOff(QT_TRANSLATE_NOOP("Lochkartor", "Skala Steilheit"), r.transconductanceScale >= 0,
                 DesiredValuesTable::transconductanceScaleHoles);
    }
    missing(QT_TRANSLATE_NOOP("Lochkartor", "Ufk (V)"), r.isotestVoltage >= 0,
            IsolationTestTable::voltageHoles);
    missing(QT_TRANSLATE_NOOP("Lochkartor", "Skala Ifk, Ig1, Ia0, Ileck (µA)"), r.isotestRange >= 0,
            IsolationTestTable::rangeHoles);
}

// ---- ranges

ValueRange intersect(const ValueRange &a, const ValueRange &b)
{
    ValueRange r = a;
    if (b.low > r.low || (b.low == r.low && !b.lowIncluded)) {
        r.low = b.low;
        r.lowIncluded = b.lowIncluded;
    }
    if (b.high < r.high || (b.high == r.high && !b.highIncluded)) {
        r.high = b.high;
        r.highIncluded = b.highIncluded;
    }
    return r;
}

ValueRange within(const FieldLimits &limits)
{
    return {limits.minimum, limits.maximum, true, true};
}

const ValueRange everything{-Infinity, Infinity, false, false};

// The values of the row whose `key` is `wanted` in a table tested from the
// top with "value <= bound": above the previous row's bound, up to its own.
template<typename Rows, typename Key>
ValueRange rangeUpTo(const Rows &rows, Key key, int wanted)
{
    double low = -Infinity;
    for (const auto &row : rows) {
        if (key(row) == wanted)
            return {low, row.bound, false, std::isfinite(row.bound)};
        low = row.bound;
    }
    return everything;
}

// The same for a table tested with "value >= bound" (the negative grid bias).
template<typename Rows, typename Key>
ValueRange rangeDownTo(const Rows &rows, Key key, int wanted)
{
    double high = Infinity;
    for (const auto &row : rows) {
        if (key(row) == wanted)
            return {row.bound, high, std::isfinite(row.bound), false};
        high = row.bound;
    }
    return everything;
}

const auto byChoice = [](const auto &row) { return row.choice; };
const auto byScale = [](const auto &row) { return row.scale; };
const auto bySupply = [](const auto &row) { return row.supply; };

// The safe end of a range, as the field holds it: the lowest value (for the
// grid bias the most negative), one step of the field's last decimal above a
// bound the range leaves out. A plate voltage read as "150 < Ua <= 300 V"
// becomes 150.1 V, which the tester's supply tables put in the same row.
double safeEnd(const ValueRange &range, TubeField field)
{
    const int decimals = TubeForm::limits(Tube{}, field).decimals;
    const auto rounded
        = [decimals](double value) { return QString::number(value, 'f', decimals).toDouble(); };
    const double value
        = rounded(range.lowIncluded ? range.low : range.low + std::pow(10.0, -decimals));
    if (range.contains(value))
        return value;
    // A range narrower than one step of the field: only its top is left.
    return rounded(range.high);
}

// The value the form gets for a range: its safe end. When the groups leave
// no common value, the first group's range alone decides and the
// contradiction is reported.
Quantity quantity(const std::vector<ValueRange> &ranges, const FieldLimits &limits, TubeField field,
                  const char *subject, const HoleList &holes,
                  std::vector<Contradiction> &contradictions)
{
    Quantity q;
    q.known = true;
    q.range = within(limits);
    for (const ValueRange &range : ranges)
        q.range = intersect(q.range, range);
    if (q.range.isEmpty()) {
        contradictions.push_back({Fault::RangesExclude, QString::fromUtf8(subject), holes});
        q.range = intersect(within(limits), ranges.front());
        if (q.range.isEmpty())
            q.range = within(limits);
    }
    q.value = safeEnd(q.range, field);
    return q;
}

void Reader::readValues()
{
    using namespace OperatingPointTable;
    using namespace DesiredValuesTable;
    Reading &r = m_reading;
    const TubeTypeSwitches *s = findTubeTypeSwitches(r.tubeType);
    auto &faults = r.contradictions;
    auto punched
        = [this](std::vector<HoleList> groups) { return m_card.punchedOf(joined(groups)); };

    if (r.heaterSupply == Supply::Dc && r.heatingTap >= 0) {
        double low = -Infinity;
        ValueRange tapRange = everything;
        for (int row = 0; row < int(std::size(HeatingTable::taps)); ++row) {
            const double bound = HeatingTable::taps[row].bound;
            if (row == r.heatingTap)
                tapRange = {low, bound, false, std::isfinite(bound)};
            low = bound;
        }
        std::vector<ValueRange> ranges{tapRange};
        if (m_dcScaleRow >= 0 || r.heaterSupply == Supply::Dc) {
            const int scaleRow
                = m_dcScaleRow >= 0 ? m_dcScaleRow : int(std::size(HeatingTable::dcScales)) - 1;
            double scaleLow = -Infinity;
            for (int row = 0; row < int(std::size(HeatingTable::dcScales)); ++row) {
                const double bound = HeatingTable::dcScales[row].bound;
                if (row == scaleRow)
                    ranges.push_back({scaleLow, bound, false, std::isfinite(bound)});
                scaleLow = bound;
            }
        }
        r.heatingVoltage = quantity(ranges, m_limits.heatingVoltage, TubeField::HeatingVoltage,
                                    QT_TRANSLATE_NOOP("Lochkartor", "Heizspannung"),
                                    punched({HeatingTable::dcScaleHoles}), faults);
    }

    const bool amplifier = !s->rectifierMode;
    double plateCurrentMaximum = m_limits.plateCurrent.maximum;
    // The plate meter's range; a rectifier keeps the one its plate voltage
    // chose before the tube became a rectifier.
    const int scaleRow = r.plateScale >= 0 ? r.plateScale : int(std::size(plateScales)) - 1;
    ValueRange scale = everything;
    double low = -Infinity;
    for (int row = 0; row < int(std::size(plateScales)); ++row) {
        if (row == scaleRow)
            scale = {low, plateScales[row].bound, false, std::isfinite(plateScales[row].bound)};
        low = plateScales[row].bound;
    }
    if (r.plateSupply >= 0 && !isRectifierSupply(r.plateSupply)) {
        const ValueRange supply = rangeUpTo(plateVoltageRanges, bySupply, r.plateSupply);
        r.plateVoltage = quantity(
            {supply, scale}, m_limits.plateVoltage, TubeField::PlateVoltage,
            QT_TRANSLATE_NOOP("Lochkartor", "Anodenspannung"),
            punched({plateSupplies[std::size_t(r.plateSupply)], plateScaleHoles}), faults);
        plateCurrentMaximum
            = firstRowNotExceeded(plateVoltageRanges, r.plateVoltage.value).plateCurrentMaximum;
    } else if (s->rectifierMode) {
        r.plateVoltage = quantity({scale}, m_limits.plateVoltage, TubeField::PlateVoltage,
                                  QT_TRANSLATE_NOOP("Lochkartor", "Anodenspannung"),
                                  punched({plateScaleHoles}), faults);
    }
    if (amplifier && s->screenGrid && r.screenSupplyChoice >= 0) {
        FieldLimits limits = m_limits.screenVoltage;
        // The screen voltage may reach whatever plate voltage the holes allow.
        limits.maximum
            = r.plateVoltage.known ? r.plateVoltage.range.high : m_limits.plateVoltage.maximum;
        const int scale = r.screenScaleChoice >= 0 ? r.screenScaleChoice : noScreenScale;
        r.screenVoltage
            = quantity({rangeUpTo(screenSupplies, byChoice, r.screenSupplyChoice),
                        rangeUpTo(screenScales, byChoice, scale)},
                       limits, TubeField::ScreenVoltage,
                       QT_TRANSLATE_NOOP("Lochkartor", "Schirmgitterspannung"),
                       punched({screenSupplyHoles, screenScaleHoles,
                                plateSupplies[std::size_t(std::max(r.plateSupply, 0))]}),
                       faults);
    }
    // The form holds the screen voltage at most at the plate voltage, so the
    // lowest plate voltage is the lowest that also carries the screen's.
    if (r.screenVoltage.known && r.plateVoltage.known
        && r.screenVoltage.value > r.plateVoltage.value
        && r.plateVoltage.range.contains(r.screenVoltage.value))
        r.plateVoltage.value = r.screenVoltage.value;
    if (amplifier && s->controlGrid && r.gridSupplyChoice >= 0) {
        const int scale = r.gridScaleChoice >= 0 ? r.gridScaleChoice : noGridScale;
        std::vector<ValueRange> ranges{rangeDownTo(gridSupplies, byChoice, r.gridSupplyChoice),
                                       rangeDownTo(gridScales, byChoice, scale)};
        HoleList holes = punched({gridSupplyHoles, gridScaleHoles});
        // A resistor that biases the grid by itself sets the fixed bias to 0 V.
        if (r.resistor >= 0 && resistors[std::size_t(r.resistor)].biasesGrid) {
            ranges.push_back({0.0, 0.0, true, true});
            holes = joined({holes, resistors[std::size_t(r.resistor)].holes});
        }
        r.gridVoltage
            = quantity(ranges, m_limits.gridVoltage, TubeField::GridVoltage,
                       QT_TRANSLATE_NOOP("Lochkartor", "Gittervorspannung"), holes, faults);
    }
    if (r.plateCurrentScale >= 0) {
        if (isRectifierCurrentScale(r.plateCurrentScale)) {
            r.plateCurrent = quantity({rangeUpTo(rectCurrentRanges, byScale, r.plateCurrentScale)},
                                      m_limits.rectCurrent, TubeField::RectCurrent,
                                      QT_TRANSLATE_NOOP("Lochkartor", "Gleichrichterstrom"),
                                      punched({plateCurrentScaleHoles}), faults);
        } else {
            FieldLimits limits = m_limits.plateCurrent;
            limits.maximum = plateCurrentMaximum;
            r.plateCurrent
                = quantity({rangeUpTo(plateCurrentRanges, byScale, r.plateCurrentScale)}, limits,
                           TubeField::PlateCurrent, QT_TRANSLATE_NOOP("Lochkartor", "Anodenstrom"),
                           punched({plateCurrentScaleHoles,
                                    plateSupplies[std::size_t(std::max(r.plateSupply, 0))]}),
                           faults);
        }
    }
    if (r.screenCurrentScale >= 0)
        r.screenCurrent = quantity({rangeUpTo(screenCurrentRanges, byScale, r.screenCurrentScale)},
                                   m_limits.screenCurrent, TubeField::ScreenCurrent,
                                   QT_TRANSLATE_NOOP("Lochkartor", "Schirmgitterstrom"),
                                   punched({screenCurrentScaleHoles}), faults);
    if (r.transconductanceScale >= 0)
        r.transconductance
            = quantity({rangeUpTo(transconductanceRanges, byScale, r.transconductanceScale)},
                       m_limits.transconductance, TubeField::Transconductance,
                       QT_TRANSLATE_NOOP("Lochkartor", "Steilheit"),
                       punched({transconductanceScaleHoles}), faults);
}

Reading Reader::run()
{
    readCurrentScales();
    readPlateAndGrid();
    m_reading.rectifier = isRectifierSupply(m_reading.plateSupply)
                          || isRectifierCurrentScale(m_reading.plateCurrentScale);
    readResistor();
    readWiring();
    readHeating();
    chooseTubeType();
    checkBlocks();
    readValues();
    const HoleList left = m_card.unexplained();
    if (!left.empty())
        add(Fault::Unexplained, QT_TRANSLATE_NOOP("Lochkartor", "Loch"), left);
    return m_reading;
}

HoleList cleaned(HoleList holes)
{
    holes.erase(std::remove_if(holes.begin(), holes.end(),
                               [](const Hole &hole) { return !HoleGrid::isValid(hole); }),
                holes.end());
    std::sort(holes.begin(), holes.end());
    holes.erase(std::unique(holes.begin(), holes.end()), holes.end());
    return holes;
}

} // namespace

bool ValueRange::isEmpty() const
{
    return low > high || (low == high && !(lowIncluded && highIncluded));
}

bool ValueRange::contains(double value) const
{
    return (value > low || (lowIncluded && value == low))
           && (value < high || (highIncluded && value == high));
}

Reading read(const HoleList &holes, const FormLimits &limits)
{
    return Reader(cleaned(holes), limits).run();
}

std::vector<int> servingSockets(const Reading &reading)
{
    std::vector<std::tuple<int, int, int>> ranked; // tier, unused pins, socket
    for (int index = 0; index < SocketCount; ++index) {
        const SocketRow *socket = findSocket(index);
        int wiredPins = 0;
        for (int pin = 1; pin <= socket->pinCount(); ++pin) {
            const int line = socket->lineOf(pin);
            if (line != 0
                && reading.lineFunctions[std::size_t(line - 1)] != PinFunction::NotConnected)
                ++wiredPins;
        }
        int wiredLines = 0;
        for (int function : reading.lineFunctions)
            wiredLines += function != PinFunction::NotConnected ? 1 : 0;
        // No line serves two pins of one socket, so every wired line has its
        // pin when the counts agree.
        if (wiredPins == wiredLines)
            ranked.emplace_back(SocketLikelihood::tiers[index], socket->pinCount() - wiredPins,
                                index);
    }
    std::stable_sort(ranked.begin(), ranked.end());
    std::vector<int> sockets;
    for (const auto &entry : ranked)
        sockets.push_back(std::get<2>(entry));
    return sockets;
}

Form buildForm(const Reading &r, int socketIndex)
{
    const TubeTypeSwitches *s = findTubeTypeSwitches(r.tubeType);
    const SocketRow *socket = findSocket(socketIndex);
    Form form;
    auto set = [&form](const char *field, const QVariant &value) {
        form.emplace_back(QString::fromLatin1(field), value);
    };
    // A card says nothing of the tube's name.
    set("tubeName", QString());
    set("socket", socket ? socketIndex : 0);
    set("genericTubeType", r.tubeType);
    if (!s->glowStabiliser) {
        const bool dc = r.heaterSupply == Supply::Dc;
        const bool direct = r.directlyHeated && !s->rectifierMode;
        // Heating methods: AC indirect, AC direct, DC indirect, DC direct.
        set("heatingMethod", (dc ? 2 : 0) + (direct ? 1 : 0));
        if (dc)
            set("heatingVoltage", r.heatingVoltage.known ? r.heatingVoltage.value : 1.0);
        else
            set("heatingVoltageAC", std::max(r.heatingTap, 0));
        // The card does not say the heater current.
        set("heatingCurrent", 0.0);
    }
    static const char *const pinFields[]
        = {"pin1Function", "pin2Function", "pin3Function", "pin4Function", "pin5Function",
           "pin6Function", "pin7Function", "pin8Function", "pin9Function"};
    for (int pin = 1; socket && pin <= socket->pinCount(); ++pin) {
        const int line = socket->lineOf(pin);
        set(pinFields[pin - 1], line == 0 ? -1 : r.lineFunctions[std::size_t(line - 1)]);
    }
    set("capFunction", 0);
    const auto value
        = [](const Quantity &q, double otherwise) { return q.known ? q.value : otherwise; };
    using OperatingPointTable::FirstLoadResistor;
    if (s->rectifierMode) {
        set("rectPlateVoltage",
            isRectifierSupply(r.plateSupply)
                ? r.plateSupply - OperatingPointTable::rectifierSupplies[0].supply
                : 0);
        set("rectLoadResistor",
            r.resistor >= FirstLoadResistor ? r.resistor - FirstLoadResistor : 0);
        set("rectCap", std::min(r.capacitor, 1));
        set("plateVoltage", value(r.plateVoltage, 5.0));
    } else {
        set("plateVoltage", value(r.plateVoltage, 5.0));
        if (s->screenGrid)
            set("screenVoltage", value(r.screenVoltage, 5.0));
        if (s->controlGrid)
            set("gridVoltage", value(r.gridVoltage, 0.0));
        set("cathodeResistor", r.resistor >= 0 && r.resistor < FirstLoadResistor ? r.resistor : 0);
        set("cathodeCap", r.capacitor);
    }
    if (s->rectifierMode) {
        set("rectCurrent", value(r.plateCurrent, 0.0));
    } else {
        set("plateCurrent", value(r.plateCurrent, 0.0));
        if (s->screenGrid)
            set("screenCurrent", value(r.screenCurrent, 0.0));
        if (s->controlGrid)
            set("transconductance", value(r.transconductance, 0.0));
    }
    set("isotestVolage", std::max(r.isotestVoltage, 0));
    set("isotestRange", std::max(r.isotestRange, 0));
    return form;
}

} // namespace CardReading
