#include "form_widgets.h"
#include "lochkartor.h"
#include "numberfield.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

// "Anodenspannung(V):" and "Anodenstrom (mA):" name the fields
// "Anodenspannung" and "Anodenstrom".
QString withoutColonAndUnit(QString text)
{
    static const QRegularExpression tail(QStringLiteral("\\s*[(:].*$"));
    text.remove(QLatin1Char('&'));
    return text.remove(tail).trimmed();
}

const QLabel *buddyOf(const QList<QLabel *> &labels, const QWidget *field)
{
    for (const QLabel *label : labels) {
        if (label->buddy() == field)
            return label;
    }
    return nullptr;
}

QString labelText(const QLabel *label, const QWidget *field)
{
    return label ? withoutColonAndUnit(label->text()) : field->objectName();
}

QString quoted(const QString &text)
{
    return Lochkartor::tr("„%1“").arg(text);
}

} // namespace

FormWidgets::FormWidgets(const Lochkartor &window)
    : m_window(window)
{
    m_tubeName = window.findChild<QLineEdit *>(QStringLiteral("tubeName"));
    for (std::size_t i = 0; i < m_inputs.size(); ++i)
        m_inputs[i]
            = window.findChild<QWidget *>(QLatin1String(FormSnapshot::inputs[i].objectName));
    // Every edit's undo step is named by its field's label.
    const QList<QLabel *> labels = window.findChildren<QLabel *>();
    m_tubeNameLabel = buddyOf(labels, m_tubeName);
    for (std::size_t i = 0; i < m_inputs.size(); ++i)
        m_labels[i] = buddyOf(labels, m_inputs[i]);
}

FormSnapshot FormWidgets::capture() const
{
    FormSnapshot snapshot;
    snapshot.tubeName = m_tubeName->text();
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        if (FormSnapshot::inputs[i].kind == FormSnapshot::Kind::Choice)
            snapshot.values[i] = static_cast<const QComboBox *>(m_inputs[i])->currentIndex();
        else
            snapshot.values[i] = static_cast<const QDoubleSpinBox *>(m_inputs[i])->value();
    }
    for (int pin = 1; pin <= int(snapshot.pinLines.size()); ++pin)
        snapshot.pinLines[std::size_t(pin - 1)] = m_window.pinLine(pin);
    return snapshot;
}

void FormWidgets::apply(const FormSnapshot &snapshot) const
{
    m_tubeName->setText(snapshot.tubeName);
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        if (FormSnapshot::inputs[i].kind == FormSnapshot::Kind::Choice)
            static_cast<QComboBox *>(m_inputs[i])->setCurrentIndex(int(snapshot.values[i]));
        else
            static_cast<QDoubleSpinBox *>(m_inputs[i])->setValue(snapshot.values[i]);
    }
}

int FormWidgets::indexOf(const QWidget *widget) const
{
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        if (m_inputs[i] == widget)
            return int(i);
    }
    return -1;
}

QString FormWidgets::label(std::size_t index) const
{
    return labelText(m_labels[index], m_inputs[index]);
}

QString FormWidgets::tubeNameLabel() const
{
    return labelText(m_tubeNameLabel, m_tubeName);
}

QString FormWidgets::valueText(std::size_t index, double value) const
{
    if (const auto *box = qobject_cast<const QComboBox *>(m_inputs[index]))
        return quoted(box->itemText(int(value)));
    if (const auto *field = qobject_cast<const NumberField *>(m_inputs[index]))
        return field->quantity(value);
    return QString::number(value);
}

QString FormWidgets::tubeNameText(const QString &name) const
{
    return quoted(name);
}
