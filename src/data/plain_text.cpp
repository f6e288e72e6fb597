#include "plain_text.h"

#include <QTextBoundaryFinder>

namespace PlainText {

namespace {

// Marks that reorder what follows on the screen, so that a name could show
// as something else than it is.
bool turnsDirection(char16_t code)
{
    return (code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069);
}

// Appends `ch` as it is shown: visible as itself, a control or a
// direction mark as its escape.
void appendShown(QString &result, QChar ch)
{
    switch (ch.unicode()) {
    case '\n':
        result += QLatin1String("\\n");
        return;
    case '\r':
        result += QLatin1String("\\r");
        return;
    case '\t':
        result += QLatin1String("\\t");
        return;
    default:
        break;
    }
    if (ch.category() == QChar::Other_Control)
        result += QStringLiteral("\\x%1").arg(ch.unicode(), 2, 16, QLatin1Char('0'));
    else if (ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator
             || turnsDirection(ch.unicode()))
        result += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
    else
        result += ch;
}

// At most `length` UTF-16 units, cut between two characters as shown.
QString cut(const QString &text, int length)
{
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    boundaries.setPosition(length);
    if (!boundaries.isAtBoundary())
        boundaries.toPreviousBoundary();
    return text.left(std::max<qsizetype>(boundaries.position(), 0));
}

} // namespace

QString oneLine(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text)
        appendShown(result, ch);
    return result;
}

QString quoted(const QString &text, int length)
{
    // An escape is at most six units for one; more than this is never shown.
    const QString head = text.left(qsizetype(length) * 6 + 2);
    const QString result = oneLine(head);
    if (result.size() <= length && head.size() == text.size())
        return result;
    return cut(result, length) + QChar(0x2026);
}

} // namespace PlainText
