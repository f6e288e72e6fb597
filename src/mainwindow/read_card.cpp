#include "read_card.h"

#include "card_check.h"
#include "lochkartor.h"
#include "tube_data_form.h"

namespace ReadCard {

void applyForm(Lochkartor &window, const CardReading::Form &form)
{
    for (const TubeData::Entry &entry : CardCheck::loadEntries(form))
        TubeData::setFieldValue(window, *entry.key, entry.value);
}

} // namespace ReadCard
