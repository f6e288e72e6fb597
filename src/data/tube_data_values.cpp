#include "tube_data_values.h"

namespace TubeData {

Values valuesToWrite(const Conditions &conditions,
                     const std::function<QVariant(const Key &)> &fieldValue)
{
    Values values;
    for (const Key &key : keys()) {
        if (!applies(key, conditions))
            continue;
        const QVariant value
            = key.kind == Kind::PinCount ? QVariant(conditions.pinCount) : fieldValue(key);
        values.emplace_back(&key, value);
    }
    return values;
}

} // namespace TubeData
