#include "read_card.h"

#include "lochkartor.h"
#include "tube_data_form.h"
#include "tube_data_keys.h"
#include "tube_type_table.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <algorithm>
#include <cstring>

namespace ReadCard {

namespace {

CardReading::FieldLimits limitsOf(const Lochkartor &window, const char *field)
{
    const auto *box = window.findChild<QDoubleSpinBox *>(QLatin1String(field));
    return {box->minimum(), box->maximum()};
}

QStringList itemTexts(const Lochkartor &window, const char *field)
{
    const auto *box = window.findChild<QComboBox *>(QLatin1String(field));
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

HoleList without(const HoleList &holes, const HoleList &removed)
{
    HoleList left;
    std::set_difference(holes.begin(), holes.end(), removed.begin(), removed.end(),
                        std::back_inserter(left));
    return left;
}

} // namespace

CardReading::FormLimits formLimits(const Lochkartor &window)
{
    CardReading::FormLimits limits;
    limits.heatingVoltage = limitsOf(window, "heatingVoltage");
    limits.plateVoltage = limitsOf(window, "plateVoltage");
    limits.screenVoltage = limitsOf(window, "screenVoltage");
    limits.gridVoltage = limitsOf(window, "gridVoltage");
    limits.plateCurrent = limitsOf(window, "plateCurrent");
    limits.rectCurrent = limitsOf(window, "rectCurrent");
    limits.screenCurrent = limitsOf(window, "screenCurrent");
    limits.transconductance = limitsOf(window, "transconductance");
    return limits;
}

CardReading::ListTexts listTexts(const Lochkartor &window)
{
    CardReading::ListTexts texts;
    texts.sockets = itemTexts(window, "socket");
    texts.tubeTypes = itemTexts(window, "genericTubeType");
    texts.heatingTaps = itemTexts(window, "heatingVoltageAC");
    texts.resistors = itemTexts(window, "cathodeResistor");
    texts.loadResistors = itemTexts(window, "rectLoadResistor");
    texts.capacitors = itemTexts(window, "cathodeCap");
    texts.rectSupplies = itemTexts(window, "rectPlateVoltage");
    texts.isotestVoltages = itemTexts(window, "isotestVolage");
    texts.isotestRanges = itemTexts(window, "isotestRange");
    // Every line's list holds all functions; line 1's box shows one of them.
    texts.pinFunctions = itemTexts(window, "pin1Function");
    return texts;
}

// The keys a tube data file of this form holds, in the order a load puts
// them into the form: file order, a few keys moved ahead of the tube type.
void applyForm(Lochkartor &window, const CardReading::Form &form)
{
    const auto valueOf = [&form](const char *field) -> const QVariant * {
        const auto entry = std::find_if(form.begin(), form.end(), [field](const auto &pair) {
            return pair.first == QLatin1String(field);
        });
        return entry == form.end() ? nullptr : &entry->second;
    };
    const QVariant *type = valueOf("genericTubeType");
    const TubeTypeSwitches *switches = findTubeTypeSwitches(type ? type->toInt() : 0);
    const bool rectifier = switches && switches->rectifierMode;
    std::vector<const TubeData::Key *> keys;
    for (const TubeData::Key &key : TubeData::keys()) {
        if ((key.when == TubeData::When::Rectifier && !rectifier)
            || (key.when == TubeData::When::NoRectifier && rectifier) || !valueOf(key.field))
            continue;
        keys.push_back(&key);
    }
    const auto typeKey = std::find_if(keys.begin(), keys.end(), [](const TubeData::Key *key) {
        return std::strcmp(key->field, "genericTubeType") == 0;
    });
    std::stable_partition(typeKey, keys.end(),
                          [](const TubeData::Key *key) { return key->beforeTubeType; });
    for (const TubeData::Key *key : keys)
        TubeData::setFieldValue(window, *key, *valueOf(key->field));
}

CardReading::Outcome read(const HoleList &holes, int socket, Lochkartor &fresh)
{
    CardReading::Outcome outcome;
    outcome.reading = CardReading::read(holes, formLimits(fresh));
    outcome.sockets = CardReading::servingSockets(outcome.reading);
    outcome.socketGiven = socket >= 0;
    outcome.socket = outcome.socketGiven       ? socket
                     : outcome.sockets.empty() ? -1
                                               : outcome.sockets.front();
    outcome.form = CardReading::buildForm(outcome.reading, outcome.socket);
    applyForm(fresh, outcome.form);
    outcome.checked = true;
    const HoleList card = fresh.cards().punchedHoles();
    outcome.missing = without(outcome.reading.holes, card);
    outcome.extra = without(card, outcome.reading.holes);
    return outcome;
}

} // namespace ReadCard
