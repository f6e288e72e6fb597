// The window's slots, connected by name to the form's widgets. Each hands
// the new value to the tube document, which works out everything the edit
// sets off (a lowered maximum, a switched-off block) as one step; the form
// then shows the document's value, and the cards and the check colours its
// card.

#include "card_confirmation.h"
#include "dialogs.h"
#include "edit_history.h"
#include "file_choice.h"
#include "lochkartor.h"
#include "ui_lochkartor.h"

#include <QPrinter>

void Lochkartor::editField(TubeField field, double value)
{
    const CardUpdate update(this);
    // While the window is being built, the encoders set up the form.
    if (m_history)
        m_history->edit(field, TubeValue{QString(), value});
}

void Lochkartor::on_tubeName_textChanged(const QString &)
{
    const CardUpdate update(this);
}

void Lochkartor::on_socket_currentIndexChanged(int index)
{
    editField(TubeField::Socket, index);
}

// The tube type acts on its index alone; the text signal is deliberately
// left unused.
void Lochkartor::on_genericTubeType_currentTextChanged(const QString &) { }

void Lochkartor::on_genericTubeType_currentIndexChanged(int index)
{
    editField(TubeField::TubeType, index);
}

void Lochkartor::on_heatingMethod_currentIndexChanged(int index)
{
    editField(TubeField::HeatingMethod, index);
}

void Lochkartor::on_heatingVoltage_valueChanged(double value)
{
    editField(TubeField::HeatingVoltage, value);
}

void Lochkartor::on_heatingCurrent_valueChanged(double value)
{
    editField(TubeField::HeatingCurrent, value);
}

void Lochkartor::on_plateVoltage_valueChanged(double value)
{
    editField(TubeField::PlateVoltage, value);
}

void Lochkartor::on_screenVoltage_valueChanged(double value)
{
    editField(TubeField::ScreenVoltage, value);
}

void Lochkartor::on_gridVoltage_valueChanged(double value)
{
    editField(TubeField::GridVoltage, value);
}

void Lochkartor::on_cathodeResistor_currentIndexChanged(int index)
{
    editField(TubeField::CathodeResistor, index);
}

void Lochkartor::on_cathodeCap_currentIndexChanged(int index)
{
    editField(TubeField::CathodeCap, index);
}

void Lochkartor::on_isotestVolage_currentIndexChanged(int index)
{
    editField(TubeField::IsotestVoltage, index);
}

void Lochkartor::on_isotestRange_currentIndexChanged(int index)
{
    editField(TubeField::IsotestRange, index);
}

void Lochkartor::on_heatingVoltageAC_currentIndexChanged(int index)
{
    editField(TubeField::HeatingTap, index);
}

void Lochkartor::on_plateCurrent_valueChanged(double value)
{
    editField(TubeField::PlateCurrent, value);
}

void Lochkartor::on_screenCurrent_valueChanged(double value)
{
    editField(TubeField::ScreenCurrent, value);
}

void Lochkartor::on_transconductance_valueChanged(double value)
{
    editField(TubeField::Transconductance, value);
}

void Lochkartor::on_pin1Function_currentIndexChanged(int index)
{
    editField(pinField(1), index);
}

void Lochkartor::on_pin2Function_currentIndexChanged(int index)
{
    editField(pinField(2), index);
}

void Lochkartor::on_pin3Function_currentIndexChanged(int index)
{
    editField(pinField(3), index);
}

void Lochkartor::on_pin4Function_currentIndexChanged(int index)
{
    editField(pinField(4), index);
}

void Lochkartor::on_pin5Function_currentIndexChanged(int index)
{
    editField(pinField(5), index);
}

void Lochkartor::on_pin6Function_currentIndexChanged(int index)
{
    editField(pinField(6), index);
}

void Lochkartor::on_pin7Function_currentIndexChanged(int index)
{
    editField(pinField(7), index);
}

void Lochkartor::on_pin8Function_currentIndexChanged(int index)
{
    editField(pinField(8), index);
}

void Lochkartor::on_pin9Function_currentIndexChanged(int index)
{
    editField(pinField(9), index);
}

void Lochkartor::on_rectPlateVoltage_currentIndexChanged(int index)
{
    editField(TubeField::RectPlateVoltage, index);
}

void Lochkartor::on_rectLoadResistor_currentIndexChanged(int index)
{
    editField(TubeField::RectLoadResistor, index);
}

void Lochkartor::on_rectCap_currentIndexChanged(int index)
{
    editField(TubeField::RectCap, index);
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
    editField(TubeField::RectCurrent, value);
}

void Lochkartor::on_capFunction_currentIndexChanged(int index)
{
    editField(TubeField::CapFunction, index);
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
