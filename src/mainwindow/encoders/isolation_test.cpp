#include "encoding.h"
#include "isolation_test_table.h"
#include "lochkartor.h"
#include "scene_encoding.h"

void Lochkartor::encodeIsotestVoltage(int index)
{
    Encoding::punchOneOf(*m_cards, IsolationTestTable::voltageHoles, index);
}

void Lochkartor::encodeIsotestRange(int index)
{
    Encoding::punchOneOf(*m_cards, IsolationTestTable::rangeHoles, index);
}
