#include "ini_text.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>

namespace TubeData {

namespace {

const QString rootGroup = QStringLiteral("General");

bool isHexDigit(char16_t ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

int hexValue(char16_t ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return ch - 'A' + 10;
}

// "%20" and "%U00E9" as QSettings escapes key and group names; a backslash
// stands for a slash.
QString unescapedKey(const QString &key)
{
    if (!key.contains(QLatin1Char('\\')) && !key.contains(QLatin1Char('%')))
        return key; // the program's own keys
    QString result;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const QChar ch = key.at(i);
        if (ch == QLatin1Char('\\')) {
            result += QLatin1Char('/');
        } else if (ch == QLatin1Char('%') && i + 5 < key.size()
                   && key.at(i + 1) == QLatin1Char('U')) {
            bool ok = false;
            const uint code = key.mid(i + 2, 4).toUInt(&ok, 16);
            result += ok ? QChar(char16_t(code)) : ch;
            i += ok ? 5 : 0;
        } else if (ch == QLatin1Char('%') && i + 2 < key.size()
                   && isHexDigit(key.at(i + 1).unicode()) && isHexDigit(key.at(i + 2).unicode())) {
            result += QChar(char16_t(hexValue(key.at(i + 1).unicode()) * 16
                                     + hexValue(key.at(i + 2).unicode())));
            i += 2;
        } else {
            result += ch;
        }
    }
    return result;
}

QString escapedKey(const QString &key)
{
    QString result;
    for (const QChar ch : key) {
        const char16_t code = ch.unicode();
        if (code == '/')
            result += QLatin1Char('\\');
        else if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z')
                 || (code >= '0' && code <= '9') || code == '_' || code == '-' || code == '.')
            result += ch;
        else if (code <= 0xFF)
            result += QStringLiteral("%%1").arg(uint(code), 2, 16, QLatin1Char('0')).toUpper();
        else
            result += QStringLiteral("%U%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
    }
    return result;
}

// The value part of a "key=value" line without its comment, or nothing for
// a quote that the line does not close.
bool cutValue(const QString &text, QString *value)
{
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('\\')) {
            ++i;
        } else if (ch == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (ch == QLatin1Char(';') && !quoted) {
            *value = text.left(i).trimmed();
            return true;
        }
    }
    *value = text.trimmed();
    return !quoted;
}

void chopTrailingSpaces(QString &text, qsizetype limit)
{
    while (text.size() > limit
           && (text.back() == QLatin1Char(' ') || text.back() == QLatin1Char('\t')))
        text.chop(1);
}

// A value that names a Qt type: "@Variant(", "@ByteArray(", "@Rect(" ...
QString typeNameOf(const QString &part)
{
    static const QRegularExpression typed(QStringLiteral("^@([A-Za-z]+)\\("));
    if (!part.endsWith(QLatin1Char(')')))
        return QString();
    return typed.match(part).captured(1);
}

// Replaces unpaired UTF-16 halves, which an escape can produce, so the
// text is whole wherever it goes.
QString wholeCharacters(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (ch.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

// Whether `raw` is read as it stands, but for spaces and tabs at its ends:
// no escape, quote or comma, and no half of a UTF-16 pair.
bool isPlainValue(const QString &raw)
{
    for (const QChar ch : raw) {
        if (ch == QLatin1Char('\\') || ch == QLatin1Char('"') || ch == QLatin1Char(',')
            || ch.isSurrogate())
            return false;
    }
    return true;
}

// "@@" stands for a leading "@"; a single one starts a Qt type's name.
void markTypedParts(IniValue &value)
{
    for (QString &part : value.parts) {
        if (part.startsWith(QLatin1String("@@")))
            part.remove(0, 1);
        else if (value.typeName.isEmpty() && part.startsWith(QLatin1Char('@')))
            value.typeName = typeNameOf(part);
    }
}

} // namespace

IniText IniText::parse(const QString &text)
{
    IniText ini;
    QString group = rootGroup;
    int lineNumber = 0;
    auto fail = [&ini, &lineNumber](IniSyntaxError::Kind kind) {
        if (ini.m_error.kind == IniSyntaxError::None)
            ini.m_error = {kind, lineNumber};
    };
    for (const QStringView rawLine : QStringView(text).split(QLatin1Char('\n'))) {
        ++lineNumber;
        const QString line = rawLine.trimmed().toString();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))
            || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype end = line.indexOf(QLatin1Char(']'));
            if (end < 0) {
                fail(IniSyntaxError::UnclosedSection);
                continue;
            }
            group = unescapedKey(line.mid(1, end - 1).trimmed());
            if (group.isEmpty())
                group = rootGroup;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            fail(IniSyntaxError::NoEquals);
            continue;
        }
        QString value;
        if (!cutValue(line.mid(equals + 1), &value)) {
            fail(IniSyntaxError::UnclosedQuote);
            continue;
        }
        ini.m_groups[group][unescapedKey(line.left(equals).trimmed())] = value;
    }
    return ini;
}

bool IniText::contains(const QString &group, const QString &key) const
{
    return m_groups.value(group).contains(key);
}

QString IniText::rawValue(const QString &group, const QString &key) const
{
    return m_groups.value(group).value(key);
}

IniValue IniText::value(const QString &group, const QString &key) const
{
    return iniUnescapedValue(rawValue(group, key));
}

void IniText::setRawValue(const QString &group, const QString &key, const QString &raw)
{
    m_groups[group.isEmpty() ? rootGroup : group][key] = raw;
}

void IniText::setInt(const QString &group, const QString &key, int value)
{
    setRawValue(group, key, QString::number(value));
}

void IniText::setDouble(const QString &group, const QString &key, double value)
{
    setRawValue(group, key, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

void IniText::setString(const QString &group, const QString &key, const QString &text)
{
    setRawValue(group, key, iniEscapedString(text));
}

QByteArray IniText::toUtf8() const
{
    QByteArray bytes;
    for (auto group = m_groups.cbegin(); group != m_groups.cend(); ++group) {
        if (!bytes.isEmpty())
            bytes += '\n';
        bytes += '[' + escapedKey(group.key()).toUtf8() + "]\n";
        for (auto key = group->cbegin(); key != group->cend(); ++key)
            bytes += escapedKey(key.key()).toUtf8() + '=' + key.value().toUtf8() + '\n';
    }
    return bytes;
}

QString iniEscapedString(const QString &input)
{
    // A leading "@" would read as the start of a Qt type; QSettings doubles it.
    const QString text = input.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + input : input;
    QString result;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code == ';' || code == ',' || code == '=')
            needsQuotes = true;
        // "\x1" followed by "a" would read as "\x1a".
        if (escapeNextIfDigit && isHexDigit(code)) {
            result += QStringLiteral("\\x") + QString::number(code, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (code) {
        case '\0':
            result += QStringLiteral("\\0");
            escapeNextIfDigit = true;
            break;
        case '\a':
            result += QStringLiteral("\\a");
            break;
        case '\b':
            result += QStringLiteral("\\b");
            break;
        case '\f':
            result += QStringLiteral("\\f");
            break;
        case '\n':
            result += QStringLiteral("\\n");
            break;
        case '\r':
            result += QStringLiteral("\\r");
            break;
        case '\t':
            result += QStringLiteral("\\t");
            break;
        case '\v':
            result += QStringLiteral("\\v");
            break;
        case '"':
        case '\\':
            result += QLatin1Char('\\');
            result += ch;
            break;
        default:
            if (code <= 0x1F) {
                result += QStringLiteral("\\x") + QString::number(code, 16);
                escapeNextIfDigit = true;
            } else {
                result += ch;
            }
        }
    }
    if (needsQuotes || result.startsWith(QLatin1Char(' ')) || result.endsWith(QLatin1Char(' ')))
        return QLatin1Char('"') + result + QLatin1Char('"');
    return result;
}

IniValue iniUnescapedValue(const QString &raw)
{
    IniValue value;
    if (isPlainValue(raw)) {
        qsizetype start = 0;
        while (start < raw.size()
               && (raw.at(start) == QLatin1Char(' ') || raw.at(start) == QLatin1Char('\t')))
            ++start;
        QString part = raw.mid(start);
        chopTrailingSpaces(part, 0);
        value.parts << (part.isEmpty() ? QString() : part); // null, as an empty value reads
        markTypedParts(value);
        return value;
    }
    QString current;
    bool quoted = false;
    bool currentWasQuoted = false;
    qsizetype chopLimit = 0;
    auto endPart = [&]() {
        if (!currentWasQuoted)
            chopTrailingSpaces(current, chopLimit);
        value.parts << wholeCharacters(current);
        current.clear();
        currentWasQuoted = false;
        chopLimit = 0;
    };
    qsizetype i = 0;
    auto skipSpaces = [&]() {
        while (i < raw.size() && (raw.at(i) == QLatin1Char(' ') || raw.at(i) == QLatin1Char('\t')))
            ++i;
    };
    skipSpaces();
    while (i < raw.size()) {
        const QChar ch = raw.at(i++);
        if (ch == QLatin1Char('\\') && i < raw.size()) {
            const char16_t next = raw.at(i++).unicode();
            static const char16_t named[][2]
                = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
                   {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
            bool done = false;
            for (const auto &pair : named) {
                if (next == pair[0]) {
                    current += QChar(pair[1]);
                    done = true;
                }
            }
            if (done) {
            } else if (next == 'x') {
                uint code = 0;
                while (i < raw.size() && isHexDigit(raw.at(i).unicode()))
                    code = ((code << 4) | hexValue(raw.at(i++).unicode())) & 0xFFFF;
                current += QChar(char16_t(code));
            } else if (next >= '0' && next <= '7') {
                uint code = next - '0';
                while (i < raw.size() && raw.at(i) >= QLatin1Char('0')
                       && raw.at(i) <= QLatin1Char('7'))
                    code = ((code << 3) | (raw.at(i++).unicode() - '0')) & 0xFFFF;
                current += QChar(char16_t(code));
            } else {
                current += QLatin1Char('\\');
                current += QChar(next);
            }
            chopLimit = current.size();
        } else if (ch == QLatin1Char('"')) {
            quoted = !quoted;
            currentWasQuoted = true;
            if (!quoted)
                chopLimit = current.size();
        } else if (ch == QLatin1Char(',') && !quoted) {
            value.isList = true;
            endPart();
            skipSpaces();
        } else {
            current += ch;
            if (quoted)
                chopLimit = current.size();
        }
    }
    endPart();
    markTypedParts(value);
    return value;
}

QString decodeFileText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text; // the decoder drops a byte order mark
    return QString::fromLatin1(bytes);
}

} // namespace TubeData
