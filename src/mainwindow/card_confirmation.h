#pragma once

class Lochkartor;

// What is about to happen to the created card.
enum class CardUse { Save, Print };

// A card made while a check label is red may not test the tube right, nor
// one read back while fields still hold safe values instead of the card's
// printed ones. Before the card is saved or printed, the user is asked once,
// with the red checks and the count of such fields named, whether to go on.
// True: go on (also when every check is green or grey and nothing is left).
bool confirmCardDespiteFailedChecks(Lochkartor *window, CardUse use);
