#pragma once

#include <vector>

// The keys of a tube data file (*.tds, an INI file) in the order they are
// written and read. Which of them a file holds depends on the kind of tube
// at the moment of saving; the reader asks the same questions of the tube
// that the file itself describes.
namespace TubeData {

constexpr const char *FormatGroup = "format";
constexpr const char *VersionKey = "version";
constexpr int FileVersion = 1;

// When a key is written, and so when it is read back.
enum class When {
    Always,
    HeaterPresent,
    HeaterOnAc, // heater present, heating method 0 or 1
    HeaterOnDc, // heater present, heating method 2 or 3
    PinPresent, // the key's pin is within the socket's pin count
    Rectifier,
    NoRectifier,
    NoRectifierScreenGrid,
    NoRectifierControlGrid,
};

// How a value is stored and which form field it belongs to.
enum class Kind {
    Text,     // text of a QLineEdit
    Index,    // current index of a QComboBox
    Number,   // value of a QDoubleSpinBox
    PinCount, // the socket's pin count; written for people, never read
};

struct Key
{
    const char *group;
    const char *name;
    When when;
    Kind kind;
    const char *field;       // object name of the form field
    const char *defaultText; // used for a missing key, converted like a stored value
    int pin;                 // 1 to 9 for the pin keys, else 0
    int firstIndex;          // indexes a file may hold (Kind::Index only)
    int lastIndex;
    // Written by this program, but not by earlier ones: a file without it
    // loads, and the field keeps the value of a fresh form.
    bool optional = false;
    // Put into the form before the tube type, as the user entered it: the
    // rectifier's plate voltage is entered while the tube is still of
    // another kind, and its holes stay when the type becomes a rectifier.
    bool beforeTubeType = false;
};

const std::vector<Key> &keys();

// How messages name a field whose value a load may fit to its range: the
// form's label (untranslated) and the unit of the value, empty for none.
struct FieldName
{
    const char *field;
    const char *label;
    const char *unit;
};

// The name of the form field `field`, or nullptr for a field without one.
const FieldName *fieldName(const char *field);

} // namespace TubeData
