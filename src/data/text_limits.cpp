#include "text_limits.h"

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
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '\n':
            result += QStringLiteral("\\n");
            break;
        case '\r':
            result += QStringLiteral("\\r");
            break;
        case '\t':
            result += QStringLiteral("\\t");
            break;
        default:
            if (ch.category() == QChar::Other_Control || ch == QChar::LineSeparator
                || ch == QChar::ParagraphSeparator)
                result += QStringLiteral("\\x%1").arg(ch.unicode(), 2, 16, QLatin1Char('0'));
            else
                result += ch;
        }
    }
    return result;
}

QString quotedInMessage(const QString &text)
{
    const QString visible = withVisibleControls(text.left(QuoteLength * 4));
    if (visible.size() <= QuoteLength)
        return visible;
    return cutToLength(visible, QuoteLength) + QChar(0x2026);
}

} // namespace TextLimits
