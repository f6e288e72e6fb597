#pragma once

#include <QValidator>

// The tube name field holds at most 12 UTF-16 units; QLineEdit cuts a
// pasted or loaded text at that count, which can split an emoji into a
// lone half. This validator drops such a half, so the field, the card and
// the files only ever see whole characters.
class WholeCharactersValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};
