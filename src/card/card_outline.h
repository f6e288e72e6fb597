#pragma once

// The printed outline of the card, common to both card pictures, in card
// pixels (origin top-left, x right, y down): the frame, the four index rings
// and the field marks on either side. The pictures are drawn to these; the
// scan reader finds a card by them.
namespace CardOutline {

// The created card picture; the universal one is a pixel wider.
constexpr int Width = 927;
constexpr int Height = 700;

// Outer edge of the black frame, and its width.
constexpr int FrameLeft = 21;
constexpr int FrameTop = 24;
constexpr int FrameRight = 906;
constexpr int FrameBottom = 679;
constexpr int FrameWidth = 6;

// Centres of the index rings, level with the third row of each field, left
// of the first and right of the last column.
constexpr int RingLeftX = 40;
constexpr int RingRightX = 886;
constexpr int RingFieldIY = 168;
constexpr int RingFieldIIY = 493;
constexpr int RingDiameter = 13;

// Field mark bars: "I" is one bar, "II" two; all 34 pixels tall.
struct Bar
{
    int left, top, right, bottom;
};
constexpr int BarWidth = 6;
constexpr Bar FieldMarkBars[] = {
    {38, 278, 43, 311},                         // "I" left
    {884, 278, 889, 311},                       // "I" right
    {33, 585, 38, 618},                         // "II" left
    {45, 585, 50, 618},   {872, 585, 877, 618}, // "II" right
    {884, 585, 889, 618},
};

} // namespace CardOutline
