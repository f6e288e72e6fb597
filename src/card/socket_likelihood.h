#pragma once

#include "socket_table.h"

// How often the tubes tested with this tester sit in each socket, in three
// tiers: 0 for the sockets of most tubes (Noval, the 7-pin miniature base,
// Octal, Rimlock), 1 for the less common ones, 2 for the rare and the
// unnamed. When the holes fit several sockets, the reader offers them in
// this order; a card never says which socket it was made for.
namespace SocketLikelihood {

// clang-format off
inline constexpr int tiers[SocketCount] = {
    2, // 01: Septar
    2, // 02: Acorn
    2, // 03: ??
    0, // 04: Oktal
    2, // 05: UX5
    2, // 06: ??
    1, // 07: Oktal
    1, // 08: Europa
    2, // 09: UX-7
    0, // 10: Miniatur
    0, // 11: Noval
    1, // 12: Noval
    2, // 13: GU50
    2, // 14: Universal
    1, // 15: Loktal 9
    2, // 16: ??
    2, // 17: UX-4
    2, // 18: ??
    1, // 19: Loktal 8
    1, // A1: Aussenkontakt
    1, // A2: Stahlröhre
    0, // A3: Rimlock
    1, // A4: Magnoval
    1, // A5: Noval
};
// clang-format on

} // namespace SocketLikelihood
