#include "tubefilegenerator.h"

#include "socket_table.h"
#include "wiring_table.h"

#include <QList>

namespace {

QByteArray number(double value)
{
    return QByteArray::number(value, 'g', 6);
}

} // namespace

QByteArray TubeFileGenerator::validFile()
{
    auto index = [&](int count) { return QByteArray::number(m_random.bounded(count)); };
    auto value = [&](double low, double high) {
        return number(low + (high - low) * m_random.generateDouble());
    };
    QByteArray file = "[format]\nversion=1\n\n[genericTubeData]\n";
    file += "tubeName=T" + QByteArray::number(m_random.bounded(100000)) + "\n";
    // What the form itself can produce: pin functions the pin's tester line
    // can carry, and no directly heated rectifier.
    const int socket = m_random.bounded(SocketCount);
    const int type = m_random.bounded(10);
    file += "socket=" + QByteArray::number(socket) + "\n";
    file += "genericTubeType=" + QByteArray::number(type) + "\n";
    const int rectifierType = 8;
    const int method = type == rectifierType ? 2 * m_random.bounded(2) : m_random.bounded(4);
    file += "heatingMethod=" + QByteArray::number(method) + "\n";
    file += "heatingVoltage=" + (method < 2 ? index(8) : value(1, 17)) + "\n";
    file += "heatingCurrent=" + value(0, 3) + "\n\n[pinout]\n";
    const SocketRow *row = findSocket(socket);
    file += "pinCount=" + QByteArray::number(row->pinCount()) + "\n";
    for (int pin = 1; pin <= row->pinCount(); ++pin) {
        QList<int> offered;
        for (int function = 0; function < PinFunction::Count; ++function) {
            if (Wiring::lineHandles(row->lineOf(pin), function))
                offered << function;
        }
        const int function = offered.isEmpty() ? -1 : offered.at(m_random.bounded(int(offered.size())));
        file += "pin" + QByteArray::number(pin) + "function=" + QByteArray::number(function) + "\n";
    }
    file += "capFunction=" + index(4) + "\n\n[operatingPoint]\n";
    file += "rectPlateVoltage=" + index(3) + "\nrectLoadResistor=" + index(5)
            + "\nrectCap=" + index(2) + "\n";
    file += "plateVoltage=" + value(5, 300) + "\nscreenVoltage=" + value(5, 300)
            + "\ngridVoltage=" + value(-65.5, 0) + "\ncathodeResistor=" + index(15)
            + "\ncathodeCap=" + index(3) + "\n\n[desiredValues]\n";
    file += "rectCurrent=" + value(0, 300) + "\nplateCurrent=" + value(0, 100)
            + "\nscreenCurrent=" + value(0, 100) + "\ntransconductance=" + value(0, 100)
            + "\n\n[isolationCheck]\n";
    file += "isotestVoltage=" + index(2) + "\nisotestRange=" + index(5) + "\n";
    return file;
}

QByteArray TubeFileGenerator::strangeValue()
{
    static const QList<QByteArray> values = {
            "-1", "24", "30", "-5", "99999999999999999999", "1e308", "-1e308", "nan", "NaN",
            "inf", "-inf", "abc", "", "3.5", "0x10", "1,2", "@Invalid()", "\"7\"", "true",
            "@ByteArray(x)", "2147483648", "-2147483649", "1e-320"};
    return values.at(m_random.bounded(int(values.size())));
}

QByteArray TubeFileGenerator::mutate(QByteArray file)
{
    QList<QByteArray> lines = file.split('\n');
    switch (m_random.bounded(8)) {
    case 0: { // a value replaced by something strange
        const int line = m_random.bounded(int(lines.size()));
        const int equals = int(lines[line].indexOf('='));
        if (equals > 0)
            lines[line] = lines[line].left(equals + 1) + strangeValue();
        break;
    }
    case 1: // truncated anywhere
        return file.left(m_random.bounded(int(file.size()) + 1));
    case 2: { // a group lost
        static const QList<QByteArray> groups = {"[format]", "[genericTubeData]", "[pinout]",
                                                 "[operatingPoint]", "[desiredValues]",
                                                 "[isolationCheck]"};
        const QByteArray group = groups.at(m_random.bounded(int(groups.size())));
        QList<QByteArray> kept;
        bool skipping = false;
        for (const QByteArray &line : lines) {
            if (line.startsWith('['))
                skipping = line == group;
            if (!skipping)
                kept << line;
        }
        lines = kept;
        break;
    }
    case 3: // a very long tube name
        for (QByteArray &line : lines) {
            if (line.startsWith("tubeName="))
                line = "tubeName=" + QByteArray(10000, 'X');
        }
        break;
    case 4: { // binary noise
        QByteArray noise(m_random.bounded(1, 400), '\0');
        for (char &c : noise)
            c = char(m_random.bounded(256));
        return m_random.bounded(2) ? noise : file.left(m_random.bounded(int(file.size()))) + noise;
    }
    case 5: // another version
        for (QByteArray &line : lines) {
            if (line.startsWith("version="))
                line = "version=" + strangeValue();
        }
        break;
    case 6: { // a line lost
        lines.removeAt(m_random.bounded(int(lines.size())));
        break;
    }
    default: // several strange values at once
        for (int i = 0; i < 3; ++i) {
            const int line = m_random.bounded(int(lines.size()));
            const int equals = int(lines[line].indexOf('='));
            if (equals > 0)
                lines[line] = lines[line].left(equals + 1) + strangeValue();
        }
        break;
    }
    return lines.join('\n');
}

QByteArray TubeFileGenerator::next()
{
    const QByteArray file = validFile();
    return m_random.bounded(3) == 0 ? file : mutate(file);
}
