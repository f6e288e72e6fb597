#pragma once

#include "hole.h"

#include <QString>

class CardScenes;
class QGraphicsView;

// Hovering a hole position on either card picture tells what the hole means
// and whether it is punched; a double click on the universal card opens it
// enlarged in a window of its own, large enough to read the legend. The
// enlarged card shows the same scene, so it follows every later edit.
namespace CardViewHelp {

void install(QGraphicsView *universalView, QGraphicsView *createdView, const CardScenes &cards);

// "I 56: Fassungskontakt f-, Leitung A" and, on a second line, whether the
// hole is punched.
QString holeToolTip(const CardScenes &cards, const Hole &hole);

// The window with the enlarged universal card, opened (or raised) on demand.
QGraphicsView *showEnlargedUniversalCard(QGraphicsView *universalView, const CardScenes &cards);

} // namespace CardViewHelp
