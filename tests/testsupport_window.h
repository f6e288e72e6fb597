#pragma once

#include "cardscenes.h"
#include "lochkartor.h"
#include "testsupport.h"

// The shared helpers of the test programs that build a window.
namespace TestSupport {

// Reaches a widget of the window by its object name.
template<typename T>
T *widget(const Lochkartor &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget named %s", name);
    return found;
}

// Which holes of `group` the created card shows punched.
HoleList punchedAmong(const CardScenes &cards, const HoleList &group);
// The universal and the created card show the same holes.
bool cardsAgree(const CardScenes &cards);
// The label's background colour name as its style sheet sets it.
QString checkColour(const Lochkartor &window, const char *labelName);

} // namespace TestSupport
