#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// The INI text of a tube data file, read and written without QSettings.
// QSettings decodes "@Variant(...)" values through QDataStream (a deeply
// nested one overflows the stack), reads every file as UTF-8 and takes a
// lock file that it waits for without end; none of that suits a file that
// a user hands us. This reader keeps every value as the text that stands in
// the file and decodes only the values it is asked for. The writer puts out
// the same bytes QSettings writes: groups and keys sorted, values escaped
// and quoted the same way.
namespace TubeData {

struct IniSyntaxError
{
    enum Kind { None, UnclosedQuote, UnclosedSection, NoEquals };
    Kind kind = None;
    int line = 0;
};

// One value as QSettings would read it: one text, or a list for a value
// with commas outside quotes.
struct IniValue
{
    QStringList parts;
    bool isList = false;
    // "@Variant(...)", "@ByteArray(...)" and the like: a Qt type that
    // QSettings would decode; a tube data file holds none.
    QString typeName;

    QString joined(const QString &separator) const { return parts.join(separator); }
};

class IniText
{
public:
    // Parses the whole text; the first line that is no INI line is kept as
    // syntaxError(), the lines around it are still read.
    static IniText parse(const QString &text);

    IniSyntaxError syntaxError() const { return m_error; }
    bool contains(const QString &group, const QString &key) const;
    // The value as it stands in the file, quotes and escapes included.
    QString rawValue(const QString &group, const QString &key) const;
    IniValue value(const QString &group, const QString &key) const;

    void setRawValue(const QString &group, const QString &key, const QString &raw);
    void setInt(const QString &group, const QString &key, int value);
    void setDouble(const QString &group, const QString &key, double value);
    void setString(const QString &group, const QString &key, const QString &text);

    // UTF-8, "[group]" sections in sorted order, "key=value" lines in
    // sorted order, an empty line after each section.
    QByteArray toUtf8() const;

    bool operator==(const IniText &other) const { return m_groups == other.m_groups; }

private:
    // group -> key -> raw value; keys without a group live in "General".
    QMap<QString, QMap<QString, QString>> m_groups;
    IniSyntaxError m_error;
};

// The value text QSettings writes for a string.
QString iniEscapedString(const QString &text);
// Reads one raw value the way QSettings does.
IniValue iniUnescapedValue(const QString &raw);

// A file's bytes as text: UTF-8 when they are valid UTF-8 (a byte order
// mark is dropped), otherwise Latin-1, the encoding older tube files used.
QString decodeFileText(const QByteArray &bytes);

} // namespace TubeData
