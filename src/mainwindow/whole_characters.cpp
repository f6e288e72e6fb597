#include "whole_characters.h"

QValidator::State WholeCharactersValidator::validate(QString &input, int &position) const
{
    for (qsizetype i = 0; i < input.size(); ++i) {
        const bool pairStart = input.at(i).isHighSurrogate() && i + 1 < input.size()
                               && input.at(i + 1).isLowSurrogate();
        if (pairStart) {
            ++i;
        } else if (input.at(i).isSurrogate()) {
            input.remove(i, 1);
            if (position > i)
                --position;
            --i;
        }
    }
    return Acceptable;
}
