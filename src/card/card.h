#pragma once

#include "cardtext.h"
#include "hole.h"
#include "validity_rules.h"

#include <QString>
#include <array>
#include <utility>
#include <vector>

// One text of the created card: what it says and whether it is shown.
struct CardTextValue
{
    QString content;
    bool visible = true;

    friend bool operator==(const CardTextValue &a, const CardTextValue &b)
    {
        return a.content == b.content && a.visible == b.visible;
    }
    friend bool operator!=(const CardTextValue &a, const CardTextValue &b) { return !(a == b); }
};

// Everything the card of a tube is: the punched holes (the universal card
// and the created card show the same ones), the fourteen texts of the
// created card and the five verdicts of the validity check.
struct Card
{
    HoleList holes; // field I first, ascending numbers
    std::array<CardTextValue, CardTextCount> texts;
    int tubeNamePointSize = 50; // long names shrink to fit beside the type
    std::array<Validity::Finding, Validity::CheckCount> findings;

    bool isPunched(const Hole &hole) const;
    const CardTextValue &text(CardText text) const { return texts[std::size_t(text)]; }
    std::vector<std::pair<CardText, QString>> visibleTexts() const;
    // The checks that fail, each with its label's position (Check order).
    bool failed(Validity::Check check) const
    {
        return findings[std::size_t(check)].verdict == Validity::Verdict::NotConnected;
    }

    friend bool operator==(const Card &a, const Card &b);
    friend bool operator!=(const Card &a, const Card &b) { return !(a == b); }
};
