#pragma once

// The texts written on the created card, in the order they are stacked on it
// (later ones above earlier ones).
enum class CardText {
    TubeName,
    TubeType,
    Socket,
    HeatingVoltage,
    HeatingCurrent,
    PlateVoltage,
    ScreenVoltage,
    GridVoltage,
    PlateCurrent,
    ScreenCurrent,
    Transconductance,
    PlateCapNote,
    ScreenGridCapNote,
    ControlGridCapNote,
};

constexpr int CardTextCount = 14;

// Stable key of each card text, as tools and tests name it.
const char *cardTextKey(CardText text);
