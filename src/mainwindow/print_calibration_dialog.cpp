#include "print_calibration_dialog.h"

#include "print_calibration.h"
#include "texts.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PrintCalibrationDialog::PrintCalibrationDialog(QWidget *parent, const QString &current,
                                               bool hasCorrection, double measuredX,
                                               double measuredY,
                                               std::function<void()> printTestPage)
    : QDialog(parent)
    , m_printTestPage(std::move(printTestPage))
{
    setWindowTitle(LochkartorText::tr("Druck kalibrieren"));
    auto *steps = new QLabel(
        LochkartorText::tr("1. Drucken Sie die Testseite mit denselben Einstellungen wie die "
                           "Karten.\n"
                           "2. Messen Sie beide Lineale von der Marke 0 bis zur Marke 150.\n"
                           "3. Geben Sie die gemessenen Längen ein."),
        this);
    steps->setTextFormat(Qt::PlainText);
    auto *printButton = new QPushButton(LochkartorText::tr("Testseite &drucken…"), this);
    printButton->setObjectName(QStringLiteral("printTestPageButton"));
    connect(printButton, &QPushButton::clicked, this, [this] { m_printTestPage(); });

    m_measuredX = lengthField(measuredX);
    m_measuredX->setObjectName(QStringLiteral("measuredX"));
    m_measuredY = lengthField(measuredY);
    m_measuredY->setObjectName(QStringLiteral("measuredY"));
    auto *form = new QFormLayout;
    form->addRow(LochkartorText::tr("Lineal &X (waagerecht):"), m_measuredX);
    form->addRow(LochkartorText::tr("Lineal &Y (senkrecht):"), m_measuredY);

    auto *currentLabel
        = new QLabel(LochkartorText::tr("Derzeitige Korrektur: %1").arg(current), this);
    currentLabel->setTextFormat(Qt::PlainText);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(LochkartorText::tr("Übernehmen"));
    buttons->button(QDialogButtonBox::Cancel)->setText(LochkartorText::tr("Abbrechen"));
    QPushButton *resetButton = buttons->addButton(LochkartorText::tr("Korrektur &entfernen"),
                                                  QDialogButtonBox::ResetRole);
    resetButton->setObjectName(QStringLiteral("resetCalibrationButton"));
    resetButton->setEnabled(hasCorrection);
    connect(resetButton, &QPushButton::clicked, this, [this] {
        m_reset = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(steps);
    layout->addWidget(printButton, 0, Qt::AlignLeft);
    layout->addLayout(form);
    layout->addWidget(currentLabel);
    layout->addWidget(buttons);
}

// Wider than what a ruler can measure, so that a slip of the hand gets a
// message that says what is wrong rather than a field that refuses keys.
QDoubleSpinBox *PrintCalibrationDialog::lengthField(double value)
{
    auto *field = new QDoubleSpinBox(this);
    field->setRange(0.0, 999.9);
    field->setDecimals(1);
    field->setSingleStep(0.1);
    field->setSuffix(QStringLiteral(" mm"));
    field->setValue(value);
    return field;
}

double PrintCalibrationDialog::measuredX() const
{
    return m_measuredX->value();
}

double PrintCalibrationDialog::measuredY() const
{
    return m_measuredY->value();
}
