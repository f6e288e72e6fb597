#include "desired_values_table.h"
#include "lochkartor.h"
#include "ranges.h"
#include "scene_encoding.h"

using namespace DesiredValuesTable;

namespace {

QString meterText(const char *prefix, double value, const Range &range)
{
    return QLatin1String(prefix) + Encoding::numberText(value) + QLatin1String(range.suffix);
}

} // namespace

void Lochkartor::selectPlateCurrentScale(int index)
{
    Encoding::punchOneOf(*m_cards, plateCurrentScaleHoles, index);
}

void Lochkartor::selectScreenCurrentScale(int index)
{
    Encoding::punchOneOf(*m_cards, screenCurrentScaleHoles, index);
}

void Lochkartor::selectTransconductanceScale(int index)
{
    Encoding::punchOneOf(*m_cards, transconductanceScaleHoles, index);
}

void Lochkartor::encodePlateCurrent(double milliamperes)
{
    const Range &range = firstRowNotExceeded(plateCurrentRanges, milliamperes);
    selectPlateCurrentScale(range.scale);
    m_cards->setText(CardText::PlateCurrent, meterText(PlateCurrentPrefix, milliamperes, range));
}

void Lochkartor::encodeRectCurrent(double milliamperes)
{
    const Range &range = firstRowNotExceeded(rectCurrentRanges, milliamperes);
    selectPlateCurrentScale(range.scale);
    m_cards->setText(CardText::PlateCurrent, meterText(RectCurrentPrefix, milliamperes, range));
}

void Lochkartor::encodeScreenCurrent(double milliamperes)
{
    const Range &range = firstRowNotExceeded(screenCurrentRanges, milliamperes);
    selectScreenCurrentScale(range.scale);
    m_cards->setText(CardText::ScreenCurrent, meterText(ScreenCurrentPrefix, milliamperes, range));
}

void Lochkartor::encodeTransconductance(double milliamperesPerVolt)
{
    const Range &range = firstRowNotExceeded(transconductanceRanges, milliamperesPerVolt);
    selectTransconductanceScale(range.scale);
    m_cards->setText(CardText::Transconductance,
                     meterText(TransconductancePrefix, milliamperesPerVolt, range));
}
