#pragma once

#include "lochkartor.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

class QRandomGenerator;

// Everything a user can see of a card and its check: the holes of both
// cards, the visible texts with their contents and the five check colours.
struct CardState
{
    QString createdHoles;
    QString universalHoles;
    QStringList texts;
    QStringList checks;

    bool operator==(const CardState &other) const;
    bool operator!=(const CardState &other) const { return !(*this == other); }
    // The lines in which two states differ, for a failure message.
    QString differenceTo(const CardState &other) const;
};

CardState cardState(const Lochkartor &window);

// The value of every input of the form, enabled or not, by object name.
using FormState = std::vector<std::pair<QString, QVariant>>;

FormState formState(const Lochkartor &window);
QString describe(const FormState &state);

// Puts a form state into a window in one fixed order: socket, pins, the
// other inputs, the tube type last.
void applyFormState(Lochkartor &window, const FormState &state);

// One edit a user can make: an enabled input, an enabled list row or a value
// in range. Returns a description of the edit, or an empty string when the
// chosen input offered nothing to change.
QString randomUserEdit(Lochkartor &window, QRandomGenerator &random);
