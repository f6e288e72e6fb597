#pragma once

#include "hole.h"

#include <QString>
#include <vector>

// The printed legend of the universal card: every hole position belongs to
// exactly one printed group, which has a heading (or none) and a value beside
// each of its holes. The table in legend.cpp is the one place where the
// legend is written down; the card picture is drawn from it and the punch
// list reads it back.

// How the values of a group are printed.
enum class LegendStyle {
    // Heading along the left side of the holes, each value right of its ring.
    Plain,
    // The holes share one value, printed once beside all of them.
    SharedValue,
    // No heading: each hole carries its own label left of its ring.
    HoleLabels,
    // Instead of a value, a short line runs from the ring to a thick bar.
    ConnectionBar,
};

struct LegendHole
{
    Hole hole;
    QString value; // printed right of the ring; empty when none
    QString label; // own label of the hole (LegendStyle::HoleLabels only)
};

struct LegendGroup
{
    int column = 0;  // column of the heading, 0 to 11
    QString heading; // as printed; '\n' separates printed lines; may be empty
    LegendStyle style = LegendStyle::Plain;
    std::vector<LegendHole> holes; // in hole-number order, field I first
};

// What the card prints at one hole: the heading of its group (or the hole's
// own label) and the hole's value. Both are single-line texts.
struct LegendEntry
{
    QString heading;
    QString value;
};

// All groups, column by column and top to bottom.
const std::vector<LegendGroup> &legendGroups();

// Index into legendGroups() of the group that holds `hole`, or -1.
int legendGroupIndex(const Hole &hole);

// Heading and value printed at `hole`; both empty for an invalid hole.
LegendEntry legendEntry(const Hole &hole);

// "heading value" as a punch list shows it, e.g. "Uf (V~) 7" for field I
// hole 24, "Ub 450" for field II hole 40; no leading or trailing spaces.
QString holeMeaning(const Hole &hole);

// The tester line (1 to 9) that a printed value names: the wiring groups
// print the lines as the letters A to I. 0 for every other value.
int testerLineOf(const QString &value);
