#include "card.h"

#include <algorithm>

bool Card::isPunched(const Hole &hole) const
{
    return std::binary_search(holes.begin(), holes.end(), hole);
}

std::vector<std::pair<CardText, QString>> Card::visibleTexts() const
{
    std::vector<std::pair<CardText, QString>> shown;
    for (int index = 0; index < CardTextCount; ++index) {
        if (texts[std::size_t(index)].visible)
            shown.emplace_back(CardText(index), texts[std::size_t(index)].content);
    }
    return shown;
}

bool operator==(const Card &a, const Card &b)
{
    if (a.holes != b.holes || a.texts != b.texts || a.tubeNamePointSize != b.tubeNamePointSize)
        return false;
    for (std::size_t check = 0; check < a.findings.size(); ++check) {
        if (a.findings[check].verdict != b.findings[check].verdict
            || a.findings[check].reasons != b.findings[check].reasons)
            return false;
    }
    return true;
}
