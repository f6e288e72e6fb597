#pragma once

#include "cardscenes.h"
#include "encoding.h"

namespace Encoding {

// Punches the one hole of `group` at `index` on the card scenes and clears
// the others; an index outside the group leaves the card as it is.
inline void punchOneOf(CardScenes &cards, const HoleList &group, int index)
{
    if (index < 0 || index >= int(group.size()))
        return;
    cards.punchOnly(group, {group[std::size_t(index)]});
}

} // namespace Encoding
