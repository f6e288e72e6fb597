#pragma once

#include "form_snapshot.h"

#include <QStringList>

class FormWidgets;

// Which blocks of the form the tube type has switched on.
struct FormBlocks
{
    bool heater = false;
    bool rectifier = false;
    bool screenGrid = false;
    bool controlGrid = false;
};

// One edit as the status bar reports it: the input the user changed (-1 for
// the name) and the form before and after it.
struct EditOutcome
{
    int cause = -1;
    FormSnapshot before;
    FormSnapshot after;
    FormBlocks blocksBefore;
    FormBlocks blocksAfter;
};

// Says of every other value the edit changed, and of every block it
// switched, what happened and why: "Schirmgitterspannung auf 150 V gesenkt:
// höchstens die Anodenspannung". Empty when the edit changed nothing else.
QStringList cascadeNotes(const EditOutcome &edit, const FormWidgets &form);
