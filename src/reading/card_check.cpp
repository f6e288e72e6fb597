#include "card_check.h"

#include "form_lists.h"
#include "form_replay.h"
#include "print_check.h"
#include "tube_file.h"
#include "tube_type_table.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace CardCheck {

namespace {

CardReading::FieldLimits limitsOf(TubeField field)
{
    const TubeForm::Limits limits = TubeForm::limits(freshTube(), field);
    return {limits.minimum, limits.maximum};
}

const QVariant *valueIn(const CardReading::Form &form, const char *field)
{
    const auto entry = std::find_if(form.begin(), form.end(), [field](const auto &pair) {
        return pair.first == QLatin1String(field);
    });
    return entry == form.end() ? nullptr : &entry->second;
}

HoleList without(const HoleList &holes, const HoleList &removed)
{
    HoleList left;
    std::set_difference(holes.begin(), holes.end(), removed.begin(), removed.end(),
                        std::back_inserter(left));
    return left;
}

} // namespace

CardReading::FormLimits formLimits()
{
    CardReading::FormLimits limits;
    limits.heatingVoltage = limitsOf(TubeField::HeatingVoltage);
    limits.plateVoltage = limitsOf(TubeField::PlateVoltage);
    limits.screenVoltage = limitsOf(TubeField::ScreenVoltage);
    limits.gridVoltage = limitsOf(TubeField::GridVoltage);
    limits.plateCurrent = limitsOf(TubeField::PlateCurrent);
    limits.rectCurrent = limitsOf(TubeField::RectCurrent);
    limits.screenCurrent = limitsOf(TubeField::ScreenCurrent);
    limits.transconductance = limitsOf(TubeField::Transconductance);
    return limits;
}

CardReading::ListTexts listTexts()
{
    using FormLists::List;
    CardReading::ListTexts texts;
    texts.sockets = FormLists::texts(List::Socket);
    texts.tubeTypes = FormLists::texts(List::TubeType);
    texts.heatingTaps = FormLists::texts(List::HeatingTap);
    texts.resistors = FormLists::texts(List::CathodeResistor);
    texts.loadResistors = FormLists::texts(List::RectLoadResistor);
    texts.capacitors = FormLists::texts(List::CathodeCap);
    texts.rectSupplies = FormLists::texts(List::RectPlateVoltage);
    texts.isotestVoltages = FormLists::texts(List::IsotestVoltage);
    texts.isotestRanges = FormLists::texts(List::IsotestRange);
    texts.pinFunctions = FormLists::texts(List::PinFunction);
    return texts;
}

std::vector<TubeData::Entry> loadEntries(const CardReading::Form &form)
{
    const QVariant *type = valueIn(form, "genericTubeType");
    const TubeTypeSwitches *switches = findTubeTypeSwitches(type ? type->toInt() : 0);
    const bool rectifier = switches && switches->rectifierMode;
    std::vector<TubeData::Entry> entries;
    for (const TubeData::Key &key : TubeData::keys()) {
        const QVariant *value = valueIn(form, key.field);
        if ((key.when == TubeData::When::Rectifier && !rectifier)
            || (key.when == TubeData::When::NoRectifier && rectifier) || !value)
            continue;
        entries.push_back({&key, *value, value->toString()});
    }
    const auto typeEntry
        = std::find_if(entries.begin(), entries.end(), [](const TubeData::Entry &entry) {
              return std::strcmp(entry.key->field, "genericTubeType") == 0;
          });
    std::stable_partition(typeEntry, entries.end(),
                          [](const TubeData::Entry &entry) { return entry.key->beforeTubeType; });
    return entries;
}

Tube tubeOf(const CardReading::Form &form)
{
    TubeData::Contents contents;
    contents.entries = loadEntries(form);
    return TubeData::tubeOf(contents).tube;
}

CardReading::Outcome read(const HoleList &holes, int socket)
{
    CardReading::Outcome outcome;
    outcome.reading = CardReading::read(holes, formLimits());
    outcome.sockets = CardReading::servingSockets(outcome.reading);
    outcome.socketGiven = socket >= 0;
    outcome.socket = outcome.socketGiven       ? socket
                     : outcome.sockets.empty() ? -1
                                               : outcome.sockets.front();
    outcome.form = CardReading::buildForm(outcome.reading, outcome.socket);
    const HoleList card = cardOf(tubeOf(outcome.form)).holes;
    outcome.checked = true;
    outcome.missing = without(outcome.reading.holes, card);
    outcome.extra = without(card, outcome.reading.holes);
    return outcome;
}

CardReading::Outcome read(const HoleList &holes, int socket, const PrintedTexts &print)
{
    CardReading::Outcome outcome = read(holes, socket);
    PrintCheck::apply(outcome, print);
    return outcome;
}

} // namespace CardCheck
