// The window's slots, connected by name to the form's widgets. Each hands
// the new value to the encoder of that value, which sets what the value
// decides in the form; once the edit and everything it set off is done, the
// cards and the check colours are drawn from the card of the form's tube.

#include "card_confirmation.h"
#include "dialogs.h"
#include "file_choice.h"
#include "lochkartor.h"
#include "ui_lochkartor.h"

#include <QPrinter>

// A field that the tube type or the heating method has switched off keeps
// whatever value it is given (a clamp, a cascade) but sets nothing in the
// form; switching the block on again runs the encoder with the kept value.
static bool isLive(const QWidget *field)
{
    return field->isEnabled();
}

void Lochkartor::on_tubeName_textChanged(const QString &)
{
    const CardUpdate update(this);
}

void Lochkartor::on_socket_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    encodeSocket(index);
}

// The tube type acts on its index alone; the text signal is deliberately
// left unused.
void Lochkartor::on_genericTubeType_currentTextChanged(const QString &) { }

void Lochkartor::on_genericTubeType_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    encodeTubeType(index);
}

void Lochkartor::on_heatingMethod_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    encodeHeatingMethod(index);
}

void Lochkartor::on_heatingVoltage_valueChanged(double value)
{
    const CardUpdate update(this);
    if (isLive(ui->heatingVoltage))
        encodeHeatingVoltage(value);
}

void Lochkartor::on_heatingCurrent_valueChanged(double value)
{
    const CardUpdate update(this);
    writeHeatingCurrentText(value);
}

void Lochkartor::on_plateVoltage_valueChanged(double value)
{
    const CardUpdate update(this);
    if (isLive(ui->plateVoltage))
        encodePlateVoltage(value);
}

void Lochkartor::on_screenVoltage_valueChanged(double value)
{
    const CardUpdate update(this);
    if (isLive(ui->screenVoltage))
        encodeScreenVoltage(value);
}

void Lochkartor::on_gridVoltage_valueChanged(double value)
{
    const CardUpdate update(this);
    if (isLive(ui->gridVoltage))
        encodeGridVoltage(value);
}

void Lochkartor::on_cathodeResistor_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    if (isLive(ui->cathodeResistor))
        encodeCathodeResistor(index);
}

void Lochkartor::on_cathodeCap_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    if (isLive(ui->cathodeCap))
        encodeCathodeCap(index);
}

void Lochkartor::on_isotestVolage_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    encodeIsotestVoltage(index);
}

void Lochkartor::on_isotestRange_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    encodeIsotestRange(index);
}

void Lochkartor::on_heatingVoltageAC_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    if (isLive(ui->heatingVoltageAC))
        encodeHeatingVoltageAC(index);
}

void Lochkartor::on_plateCurrent_valueChanged(double value)
{
    const CardUpdate update(this);
    if (isLive(ui->plateCurrent))
        encodePlateCurrent(value);
}

void Lochkartor::on_screenCurrent_valueChanged(double value)
{
    const CardUpdate update(this);
    if (isLive(ui->screenCurrent))
        encodeScreenCurrent(value);
}

void Lochkartor::on_transconductance_valueChanged(double value)
{
    const CardUpdate update(this);
    if (isLive(ui->transconductance))
        encodeTransconductance(value);
}

void Lochkartor::pinFunctionChanged(int pin, int function)
{
    const CardUpdate update(this);
    encodePinFunction(pinLines[pin - 1], function);
}

void Lochkartor::on_pin1Function_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    pinFunctionChanged(1, index);
}

void Lochkartor::on_pin2Function_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    pinFunctionChanged(2, index);
}

void Lochkartor::on_pin3Function_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    pinFunctionChanged(3, index);
}

void Lochkartor::on_pin4Function_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    pinFunctionChanged(4, index);
}

void Lochkartor::on_pin5Function_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    pinFunctionChanged(5, index);
}

void Lochkartor::on_pin6Function_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    pinFunctionChanged(6, index);
}

void Lochkartor::on_pin7Function_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    pinFunctionChanged(7, index);
}

void Lochkartor::on_pin8Function_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    pinFunctionChanged(8, index);
}

void Lochkartor::on_pin9Function_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    pinFunctionChanged(9, index);
}

// The rectifier lists continue the amplifier choices of the shared encoders:
// rectifier supply i is plate supply i + 3, load resistor i is cathode
// resistor choice i + 15.
void Lochkartor::on_rectPlateVoltage_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    if (isLive(ui->rectPlateVoltage))
        encodeRectPlateVoltage(index + 3);
}

void Lochkartor::on_rectLoadResistor_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    // An empty list (-1) must not turn into a cathode resistor choice.
    if (isLive(ui->rectLoadResistor) && index >= 0)
        encodeCathodeResistor(index + 15);
}

void Lochkartor::on_rectCap_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    if (isLive(ui->rectCap))
        encodeCathodeCap(index);
}

void Lochkartor::on_printCardButton_clicked()
{
    if (!confirmCardDespiteFailedChecks(this, CardUse::Print))
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (Dialogs::execPrintDialog(&printer))
        printCard(&printer);
}

void Lochkartor::on_saveCardButton_clicked()
{
    if (!confirmCardDespiteFailedChecks(this, CardUse::Save))
        return;
    const QString fileName = FileChoice::cardImageToSave(this, ui->tubeName->text());
    if (!fileName.isEmpty())
        saveCardImage(fileName);
}

void Lochkartor::on_rectCurrent_valueChanged(double value)
{
    const CardUpdate update(this);
    if (isLive(ui->rectCurrent))
        encodeRectCurrent(value);
}

void Lochkartor::on_capFunction_currentIndexChanged(int index)
{
    const CardUpdate update(this);
    encodeCapFunction(index);
}

void Lochkartor::on_saveDataButton_clicked()
{
    const QString fileName = FileChoice::tubeDataToSave(this, ui->tubeName->text());
    if (!fileName.isEmpty())
        saveTubeData(fileName);
}

void Lochkartor::on_loadDataButton_clicked()
{
    if (!maybeSave())
        return;
    const QString fileName = FileChoice::tubeDataToLoad(this);
    if (!fileName.isEmpty())
        loadTubeData(fileName);
}
