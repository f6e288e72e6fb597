#pragma once

#include <QByteArray>
#include <QRandomGenerator>

// Writes tube data files as they come from users, old versions, broken
// disks and hostile hands: valid ones, mutated values, truncated files,
// wrong types, huge numbers, NaN and infinity, negative and out-of-range
// indexes, a 10,000-character tube name, binary noise and missing groups.
class TubeFileGenerator
{
public:
    explicit TubeFileGenerator(quint32 seed)
        : m_random(seed)
    { }

    QByteArray next();
    // A file as the form itself saves one: every value in range.
    QByteArray validFile();

private:
    QByteArray mutate(QByteArray file);
    QByteArray strangeValue();

    QRandomGenerator m_random;
};
