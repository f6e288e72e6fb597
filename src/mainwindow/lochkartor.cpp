#include "lochkartor.h"
#include "card_view_help.h"
#include "edit_history.h"
#include "form_lists.h"
#include "main_toolbar.h"
#include "menu_shortcuts.h"
#include "name_limit_note.h"
#include "number_fields.h"
#include "socket_guidance.h"
#include "status_notes.h"
#include "switched_off_help.h"
#include "tube_type_table.h"
#include "ui_lochkartor.h"
#include "whole_characters.h"
#include "wiring_table.h"

#include <QStandardItemModel>
#include <QUndoStack>

Lochkartor::Lochkartor(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::Lochkartor)
{
    ui->setupUi(this);
    for (int field = 0; field < TubeFieldCount; ++field)
        m_fieldWidgets[std::size_t(field)]
            = findChild<QWidget *>(QLatin1String(tubeFieldName(TubeField(field))));
    findFieldLabels();
    ui->tubeName->setValidator(new WholeCharactersValidator(ui->tubeName));
    wrapFormInScrollArea();
    createItemModels();
    SocketGuidance::addSocketToolTips(ui->socket);
    pinCount = 9;
    pinFunctionBoxes
        = {ui->pin1Function, ui->pin2Function, ui->pin3Function, ui->pin4Function, ui->pin5Function,
           ui->pin6Function, ui->pin7Function, ui->pin8Function, ui->pin9Function};
    pinLineEdits = {ui->linePin1, ui->linePin2, ui->linePin3, ui->linePin4, ui->linePin5,
                    ui->linePin6, ui->linePin7, ui->linePin8, ui->linePin9};
    for (QComboBox *box : pinFunctionBoxes)
        box->setModel(unwiredPinModel);

    m_cards = std::make_unique<CardScenes>();
    ui->universalCardView->setScene(m_cards->universalScene());
    ui->createdCardView->setScene(m_cards->createdScene());

    const QString red = QStringLiteral("QLabel { background-color: red }");
    for (QLabel *label : {ui->heaterOK, ui->screenOK, ui->gridOK, ui->cathodeOK, ui->plateOK})
        label->setStyleSheet(red);

    runInitialEncoderPass();

    createMenus();
    addReadCardAction();
    MenuShortcuts::letMenuWin(this);
    MainToolBar::fill(ui->mainToolBar, this);
    fitToScreen();
    setUpDocument();

    setUpNumberFields(this);
    StatusNotes::install(this);
    NameLimitNote::install(ui->tubeName, statusBar());
    SwitchedOffHelp::install(this);
    CardViewHelp::install(ui->universalCardView, ui->createdCardView, *m_cards);
}

Lochkartor::~Lochkartor()
{
    // A window destroyed while shown takes the focus from its fields on the
    // way; a number field would then commit its typed text to a form whose
    // members are already gone.
    for (QWidget *field : centralWidget()->findChildren<QWidget *>())
        field->blockSignals(true);
    // Nor may the history, clearing its steps, ask a half-gone window
    // whether it is modified.
    if (m_history)
        m_history->stack()->blockSignals(true);
    delete ui;
}

// Every encoder runs once with the form's start values, so the first picture
// already matches the form. The order matters: the socket sets the pin lines
// before the pins are reset, and the tube type runs again at the end so that
// its enabling wins over what the value encoders set.
void Lochkartor::runInitialEncoderPass()
{
    const CardUpdate update(this);
    encodeSocket(ui->socket->currentIndex());
    encodeTubeType(ui->genericTubeType->currentIndex());
    encodeHeatingVoltage(ui->heatingVoltage->value());
    writeHeatingCurrentText(ui->heatingCurrent->value());
    encodeHeatingMethod(ui->heatingMethod->currentIndex());
    ui->heatingMethod->setModel(heatingMethodModel);
    for (QComboBox *box : pinFunctionBoxes)
        box->setCurrentIndex(10);
    encodePlateVoltage(ui->plateVoltage->value());
    encodeScreenVoltage(ui->screenVoltage->value());
    encodeGridVoltage(ui->gridVoltage->value());
    encodeCathodeResistor(ui->cathodeResistor->currentIndex());
    encodeCathodeCap(ui->cathodeCap->currentIndex());
    encodePlateCurrent(ui->plateCurrent->value());
    encodeScreenCurrent(ui->screenCurrent->value());
    ui->isotestVolage->setCurrentIndex(0);
    ui->isotestRange->setCurrentIndex(0);
    encodeTransconductance(ui->transconductance->value());
    encodeTubeType(ui->genericTubeType->currentIndex());
}

void Lochkartor::createItemModels()
{
    for (int line = 1; line <= 9; ++line) {
        auto *model = new QStandardItemModel(this);
        for (const QString &name : FormLists::texts(FormLists::List::PinFunction))
            model->appendRow(new QStandardItem(name));
        lineModels[line - 1] = model;
    }
    noPinModel = new QStandardItemModel(this);
    noPinModel->appendRow(new QStandardItem(tr("KEIN PIN")));
    noPinModel->item(0)->setEnabled(false);
    noPinModel->item(0)->setToolTip(
        tr("Dieser Pin des Sockels erreicht keine Leitung des Prüfgeräts"));
    // A line offers exactly the functions it can be wired for; "Unbelegt"
    // is always offered.
    for (int line = 1; line <= TesterLineCount; ++line) {
        for (int function = 0; function < PinFunction::WiredCount; ++function) {
            QStandardItem *item = lineModels[line - 1]->item(function);
            item->setEnabled(Wiring::lineHandles(line, function));
            QStringList help;
            if (!item->isEnabled())
                help << tr("Leitung %1 kann diese Funktion nicht schalten")
                            .arg(testerLineLetter(line));
            help << SocketGuidance::pinFunctionHelp(function);
            help.removeAll(QString());
            item->setToolTip(help.join(QLatin1Char('\n')));
        }
    }
    heatingMethodModel = new QStandardItemModel(this);
    unwiredPinModel = new QStandardItemModel(this);
    for (const QString &name : FormLists::texts(FormLists::List::HeatingMethod))
        heatingMethodModel->appendRow(new QStandardItem(name));
    // The tube type greys these rows for rectifiers.
    for (const DirectHeatingFallback &fallback : directHeatingFallbacks)
        heatingMethodModel->item(fallback.directMethod)
            ->setToolTip(tr("Bei Gleichrichtern nicht wählbar: einen Heizfaden, der "
                            "zugleich Kathode ist, belegt dort „Heizung(-) & Kathode“ oder "
                            "„Heizung(+) & Kathode“"));
}

void Lochkartor::fitViews()
{
    ui->universalCardView->fitInView(m_cards->universalScene()->sceneRect(), Qt::KeepAspectRatio);
    ui->createdCardView->fitInView(m_cards->createdScene()->sceneRect(), Qt::KeepAspectRatio);
}

void Lochkartor::resizeEvent(QResizeEvent *event)
{
    fitViews();
    QMainWindow::resizeEvent(event);
}

void Lochkartor::showEvent(QShowEvent *event)
{
    fitViews();
    QMainWindow::showEvent(event);
}

void Lochkartor::showHole(int hole, int field)
{
    m_cards->showHole(hole, field);
}

void Lochkartor::hideHole(int hole, int field)
{
    m_cards->hideHole(hole, field);
}

void Lochkartor::setGridVoltageHoles(int choice)
{
    m_cards->setGridVoltageHoles(choice);
}

void Lochkartor::setGridScaleHoles(int choice)
{
    m_cards->setGridScaleHoles(choice);
}

void Lochkartor::setScreenVoltageHoles(int choice)
{
    m_cards->setScreenVoltageHoles(choice);
}

void Lochkartor::setScreenScaleHoles(int choice)
{
    m_cards->setScreenScaleHoles(choice);
}

void Lochkartor::setTubeNameText(const QString &name)
{
    m_cards->setTubeNameText(name);
}
