#include "form_snapshot.h"

#include <QLatin1String>

using Kind = FormSnapshot::Kind;

const std::array<FormSnapshot::Input, FormSnapshot::InputCount> FormSnapshot::inputs = {{
    {"socket", Kind::Choice},           {"pin1Function", Kind::Choice},
    {"pin2Function", Kind::Choice},     {"pin3Function", Kind::Choice},
    {"pin4Function", Kind::Choice},     {"pin5Function", Kind::Choice},
    {"pin6Function", Kind::Choice},     {"pin7Function", Kind::Choice},
    {"pin8Function", Kind::Choice},     {"pin9Function", Kind::Choice},
    {"capFunction", Kind::Choice},      {"heatingMethod", Kind::Choice},
    {"heatingVoltageAC", Kind::Choice}, {"heatingVoltage", Kind::Number},
    {"heatingCurrent", Kind::Number},   {"plateVoltage", Kind::Number},
    {"screenVoltage", Kind::Number},    {"gridVoltage", Kind::Number},
    {"cathodeResistor", Kind::Choice},  {"cathodeCap", Kind::Choice},
    {"rectPlateVoltage", Kind::Choice}, {"rectLoadResistor", Kind::Choice},
    {"rectCap", Kind::Choice},          {"plateCurrent", Kind::Number},
    {"screenCurrent", Kind::Number},    {"transconductance", Kind::Number},
    {"rectCurrent", Kind::Number},      {"isotestVolage", Kind::Choice},
    {"isotestRange", Kind::Choice},     {"genericTubeType", Kind::Choice},
}};

int FormSnapshot::indexOf(const QString &objectName)
{
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (objectName == QLatin1String(inputs[i].objectName))
            return int(i);
    }
    return -1;
}

double FormSnapshot::value(const char *objectName) const
{
    const int index = indexOf(QLatin1String(objectName));
    return index < 0 ? 0.0 : values[std::size_t(index)];
}

bool FormSnapshot::operator==(const FormSnapshot &other) const
{
    return tubeName == other.tubeName && values == other.values && pinLines == other.pinLines;
}

FormSnapshot FormSnapshot::of(const FormValue &form)
{
    FormSnapshot snapshot;
    snapshot.tubeName = form.tube.name;
    for (std::size_t index = 0; index < InputCount; ++index) {
        TubeField field;
        if (tubeFieldNamed(inputs[index].objectName, &field))
            snapshot.values[index] = valueOf(form.tube, field).number;
    }
    snapshot.pinLines = form.pinLines;
    return snapshot;
}

FormValue FormSnapshot::formValue() const
{
    FormValue form;
    form.tube.name = tubeName;
    for (std::size_t index = 0; index < InputCount; ++index) {
        TubeField field;
        if (tubeFieldNamed(inputs[index].objectName, &field))
            setValueOf(form.tube, field, TubeValue{QString(), values[index]});
    }
    form.pinLines = pinLines;
    return form;
}
