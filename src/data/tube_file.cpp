#include "tube_file.h"

#include "form_replay.h"
#include "text_limits.h"
#include "tube_data_writer.h"

#include <QLocale>
#include <cmath>

namespace TubeData {

namespace {

constexpr int NameMaxLength = 12;

bool fieldOf(const Key &key, TubeField *field)
{
    return key.kind != Kind::PinCount && tubeFieldNamed(key.field, field);
}

TubeValue tubeValueOf(const Key &key, const QVariant &value)
{
    TubeValue tubeValue;
    switch (key.kind) {
    case Kind::Text:
        tubeValue.text = TextLimits::cutToLength(value.toString(), NameMaxLength);
        break;
    case Kind::Index:
        tubeValue.number = value.toInt();
        break;
    case Kind::Number:
        tubeValue.number = value.toDouble();
        break;
    case Kind::PinCount:
        break;
    }
    return tubeValue;
}

QString keyPath(const Key &key)
{
    return QString::fromLatin1(key.group) + QLatin1Char('/') + QString::fromLatin1(key.name);
}

} // namespace

Conditions conditionsOf(const Tube &tube)
{
    const TubeForm::Flags kind = TubeForm::flags(tube);
    Conditions conditions;
    conditions.heaterPresent = kind.heaterPresent;
    conditions.heaterOnAc = isAcHeatingMethod(tube.heatingMethod);
    conditions.rectifier = kind.rectifier;
    conditions.screenGrid = kind.screenGrid;
    conditions.controlGrid = kind.controlGrid;
    conditions.pinCount = TubeForm::pinCount(tube);
    for (int pin = 1; pin <= conditions.pinCount; ++pin)
        conditions.pinLines[std::size_t(pin - 1)] = TubeForm::pinLine(tube, pin);
    return conditions;
}

QVariant valueOf(const Tube &tube, const Key &key)
{
    TubeField field;
    if (!fieldOf(key, &field))
        return {};
    const TubeValue value = ::valueOf(tube, field);
    switch (key.kind) {
    case Kind::Text:
        return value.text;
    case Kind::Index:
        return int(value.number);
    case Kind::Number:
        return value.number;
    case Kind::PinCount:
        break;
    }
    return {};
}

Values valuesOf(const Tube &tube)
{
    return valuesToWrite(conditionsOf(tube),
                         [&tube](const Key &key) { return valueOf(tube, key); });
}

LoadedTube tubeOf(const Contents &contents)
{
    LoadedTube loaded;
    loaded.problem = contents.problem;
    FormReplay form = FormReplay::fresh();
    if (!contents.problem.ok()) {
        loaded.tube = form.tube();
        return loaded;
    }
    for (const Entry &entry : contents.entries) {
        TubeField field;
        if (fieldOf(*entry.key, &field))
            form.set(field, tubeValueOf(*entry.key, entry.value));
    }
    loaded.tube = form.tube();
    loaded.adjustments = adjustments(
        [&loaded](const Key &key) { return valueOf(loaded.tube, key); }, contents.entries);
    return loaded;
}

LoadedTube readTube(const QString &fileName)
{
    return tubeOf(readFile(fileName));
}

Problem writeTube(const QString &fileName, const Tube &tube)
{
    return writeFile(fileName, conditionsOf(tube),
                     [&tube](const Key &key) { return valueOf(tube, key); });
}

std::vector<Adjustment> adjustments(const std::function<QVariant(const Key &)> &loadedValue,
                                    const std::vector<Entry> &entries)
{
    std::vector<Adjustment> result;
    for (const Entry &entry : entries) {
        const QVariant loaded = loadedValue(*entry.key);
        QString loadedText;
        if (entry.key->kind == Kind::Text) {
            if (loaded.toString() == entry.value.toString())
                continue;
            loadedText = loaded.toString();
        } else if (entry.key->kind == Kind::Number) {
            const double fileValue = entry.value.toDouble();
            const double formValue = loaded.toDouble();
            if (std::abs(formValue - fileValue) <= 1e-9 * std::max(1.0, std::abs(fileValue)))
                continue;
            loadedText = QString::number(formValue, 'g', QLocale::FloatingPointShortest);
        } else {
            continue; // indexes outside their list are refused, never adjusted
        }
        result.push_back({keyPath(*entry.key), entry.key->field, entry.text, loadedText});
    }
    return result;
}

} // namespace TubeData
