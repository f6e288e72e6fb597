#include "text_limits.h"
#include "plain_text.h"

#include <QTextBoundaryFinder>

namespace TextLimits {

namespace {

constexpr int QuoteLength = 40;

} // namespace

QString cutToLength(const QString &text, int length)
{
    if (text.size() <= length)
        return text;
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    boundaries.setPosition(length);
    if (!boundaries.isAtBoundary())
        boundaries.toPreviousBoundary();
    const qsizetype end = std::max<qsizetype>(boundaries.position(), 0);
    return text.left(end);
}

QString withVisibleControls(const QString &text)
{
    return PlainText::oneLine(text);
}

QString quotedInMessage(const QString &text)
{
    return PlainText::quoted(text, QuoteLength);
}

} // namespace TextLimits
