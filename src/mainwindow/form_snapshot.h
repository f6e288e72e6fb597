#pragma once

#include "tube_document.h"

#include <QString>
#include <array>
#include <cstddef>

// Every value the form holds, the ones kept in switched-off fields included
// (a rectifier keeps the plate voltage it had as an amplifier): what an undo
// step goes back to. A plain value, copied and compared freely; it knows no
// widgets, and the window shows one exactly as it was taken.
struct FormSnapshot
{
    // The form's inputs besides the name, by their object names, in the
    // order a fresh form takes them: what decides the pin lists and the
    // limits of other inputs comes first, the tube type last.
    enum class Kind { Choice, Number };
    struct Input
    {
        const char *objectName;
        Kind kind;
    };
    static constexpr std::size_t InputCount = 30;
    static const std::array<Input, InputCount> inputs;
    // The input's place in `values`, or -1 for a name the form has not.
    static int indexOf(const QString &objectName);

    QString tubeName;
    // A list input's row or a number input's value, as `inputs` orders them.
    std::array<double, InputCount> values{};
    // The tester line each of the nine pin rows names (0: none). A pin the
    // socket lacks keeps, greyed, the line an earlier socket gave it.
    std::array<int, 9> pinLines{};

    // The same form as the document holds it, and back.
    static FormSnapshot of(const FormValue &form);
    FormValue formValue() const;

    double value(const char *objectName) const;
    bool operator==(const FormSnapshot &other) const;
    bool operator!=(const FormSnapshot &other) const { return !(*this == other); }
};
