#pragma once

#include "cardtext.h"

#include <QString>
#include <QStringList>

// What the created card can print in each of its texts: the reader of a
// card's print takes only a text the program could have written there.
namespace PrintableTexts {

// The whole texts a text of the card is one of (tube type, socket, the cap
// notes), in the current language and the program's own; empty for a text
// made of a name or a number.
QStringList wholeTexts(CardText text);

// The characters that may follow `start` in a text the card prints there.
QString nextCharacters(CardText text, const QString &start);

// Whether the card can print exactly `candidate` there: a value with the
// meter range its number chooses, a number as the card writes numbers.
bool isPrintable(CardText text, const QString &candidate);

// The longest text that can stand there, in characters.
int maximumLength(CardText text);

} // namespace PrintableTexts
