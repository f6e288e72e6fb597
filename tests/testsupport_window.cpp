#include "testsupport_window.h"

#include <QLabel>
#include <QRegularExpression>

#include <algorithm>

namespace TestSupport {

HoleList punchedAmong(const CardScenes &cards, const HoleList &group)
{
    HoleList punched;
    for (const Hole &hole : group) {
        if (cards.isPunched(hole))
            punched.push_back(hole);
    }
    std::sort(punched.begin(), punched.end());
    return punched;
}

bool cardsAgree(const CardScenes &cards)
{
    return cards.punchedHoles() == cards.universalPunchedHoles();
}

QString checkColour(const Lochkartor &window, const char *labelName)
{
    const QString sheet = widget<QLabel>(window, labelName)->styleSheet();
    static const QRegularExpression colour(QStringLiteral("background-color\\s*:\\s*(\\w+)"));
    return colour.match(sheet).captured(1);
}

} // namespace TestSupport
