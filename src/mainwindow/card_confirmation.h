#pragma once

class Lochkartor;

// What is about to happen to the created card.
enum class CardUse { Save, Print };

// A card made while a check label is red may not test the tube right. Before
// the card is saved or printed, the user is asked once, with the red checks
// named, whether to go on. True: go on (also when every check is green or
// grey).
bool confirmCardDespiteFailedChecks(Lochkartor *window, CardUse use);
