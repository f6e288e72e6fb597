// The card of a tube: its values loaded into a fresh form.

#include "form_replay.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The values of the fields loading puts in up to and including the tube
// type. A socket and a tube type set off most of the work of a card, and an
// edit seldom changes them.
struct LoadStart
{
    std::vector<TubeField> fields;
    std::vector<TubeValue> values;
    QString words; // the card's words in the language shown

    bool operator==(const LoadStart &other) const
    {
        if (fields != other.fields || values.size() != other.values.size() || words != other.words)
            return false;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (values[i].text != other.values[i].text
                || values[i].number != other.values[i].number)
                return false;
        }
        return true;
    }
};

// The fresh form with the start of a load put in: the same start always
// leaves the same form, so the last one is kept for the next card.
const FormReplay &formAfter(const LoadStart &start)
{
    thread_local std::optional<std::pair<LoadStart, FormReplay>> last;
    if (!last || !(last->first == start)) {
        FormReplay form = FormReplay::fresh();
        for (std::size_t i = 0; i < start.fields.size(); ++i)
            form.set(start.fields[i], start.values[i]);
        last.emplace(start, std::move(form));
    }
    return last->second;
}

} // namespace

Card cardOf(const Tube &tube)
{
    const std::vector<TubeField> order = loadOrder(tube);
    const auto rest = std::find(order.begin(), order.end(), TubeField::TubeType) + 1;
    LoadStart start;
    start.fields.assign(order.begin(), rest);
    for (TubeField field : start.fields)
        start.values.push_back(valueOf(tube, field));
    start.words = translatedFreshTexts();
    FormReplay form = formAfter(start);
    for (auto field = rest; field != order.end(); ++field)
        form.set(*field, valueOf(tube, *field));
    return form.card();
}

const Tube &freshTube()
{
    static const Tube tube = FormReplay().tube();
    return tube;
}
