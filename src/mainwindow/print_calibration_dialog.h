#pragma once

#include <QDialog>
#include <functional>

class QDoubleSpinBox;

// "Druck kalibrieren…": prints the test page on request and takes the two
// lengths the user measured on it; "Korrektur entfernen" ends the dialog
// at once and asks to print uncorrected again.
class PrintCalibrationDialog : public QDialog
{
    Q_OBJECT

public:
    // `current` describes the correction in use; `measuredX` and
    // `measuredY` start the two fields.
    PrintCalibrationDialog(QWidget *parent, const QString &current, bool hasCorrection,
                           double measuredX, double measuredY, std::function<void()> printTestPage);

    double measuredX() const;
    double measuredY() const;
    bool resetRequested() const { return m_reset; }

private:
    QDoubleSpinBox *lengthField(double value);

    std::function<void()> m_printTestPage;
    QDoubleSpinBox *m_measuredX = nullptr;
    QDoubleSpinBox *m_measuredY = nullptr;
    bool m_reset = false;
};
