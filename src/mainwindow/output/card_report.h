#pragma once

#include "card_listing.h"

class Lochkartor;

// The reports of the card the window shows.
namespace CardReport {

CheckResults checkResults(const Lochkartor &window);
QString punchList(const Lochkartor &window);
QString json(const Lochkartor &window, const QString &fileName);

} // namespace CardReport
