#include "numberfield.h"
#include "texts.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace {

bool isDecimalPoint(QChar c, const QLocale &locale)
{
    return c == QLatin1Char(',') || c == QLatin1Char('.') || QString(c) == locale.decimalPoint();
}

bool isSign(QChar c)
{
    return c == QLatin1Char('-') || c == QLatin1Char('+');
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The shape of a number as typed: an optional sign, digits and at most one
// decimal point. Anything else cannot become a number by typing more.
struct TypedNumber
{
    bool wellFormed = true;
    int digits = 0;
    int fractionDigits = 0;
};

TypedNumber shapeOf(const QString &text, const QLocale &locale)
{
    TypedNumber shape;
    bool afterPoint = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isAsciiDigit(c)) {
            ++shape.digits;
            if (afterPoint)
                ++shape.fractionDigits;
        } else if (isDecimalPoint(c, locale) && !afterPoint) {
            afterPoint = true;
        } else if (!(isSign(c) && i == 0)) {
            shape.wellFormed = false;
            break;
        }
    }
    return shape;
}

} // namespace

NumberField::NumberField(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setKeyboardTracking(false);
    connect(lineEdit(), &QLineEdit::textChanged, this, &NumberField::watchTypedText);
    // Qt rewrites the text of a new value without a text signal.
    connect(this, &QDoubleSpinBox::valueChanged, this,
            [this] { watchTypedText(lineEdit()->text()); });
}

void NumberField::describe(const QString &genitiveName, const QString &unit)
{
    m_genitiveName = genitiveName;
    m_unit = unit;
}

bool NumberField::parse(const QString &text, double *value)
{
    QString plain = text.trimmed();
    const QLocale locale;
    if (!shapeOf(plain, locale).wellFormed)
        return false;
    for (QChar &c : plain) {
        if (isDecimalPoint(c, locale))
            c = QLatin1Char('.');
    }
    bool ok = false;
    const double parsed = QLocale::c().toDouble(plain, &ok);
    if (ok)
        *value = parsed;
    return ok;
}

QValidator::State NumberField::validate(QString &input, int &) const
{
    const QString text = input.trimmed();
    const TypedNumber shape = shapeOf(text, locale());
    if (!shape.wellFormed)
        return QValidator::Invalid;
    double value = 0;
    if (shape.digits == 0 || !parse(text, &value))
        return QValidator::Intermediate;
    if (value < minimum() || value > maximum() || shape.fractionDigits > decimals())
        return QValidator::Intermediate;
    return QValidator::Acceptable;
}

double NumberField::valueFromText(const QString &text) const
{
    double typed = 0;
    return parse(text, &typed) ? typed : value();
}

// Reached only when Qt interprets the text before the field could commit it
// (the field commits on every way out); it enters the same nearest value.
void NumberField::fixup(QString &input) const
{
    double typed = 0;
    if (parse(input, &typed))
        input = textFromValue(std::clamp(roundedToDecimals(typed), minimum(), maximum()));
}

void NumberField::stepBy(int steps)
{
    commitTypedText();
    QDoubleSpinBox::stepBy(steps);
}

double NumberField::roundedToDecimals(double value) const
{
    return QString::number(value, 'f', decimals()).toDouble();
}

void NumberField::commitTypedText()
{
    double typed = 0;
    if (!parse(lineEdit()->text(), &typed))
        return; // nothing typed that means a number: Qt restores the value
    const double entered = std::clamp(roundedToDecimals(typed), minimum(), maximum());
    setValue(entered);
    watchTypedText(lineEdit()->text());
    if (typed != entered)
        emit corrected(correctionNote(typed, entered));
}

QString NumberField::quantity(double value) const
{
    QLocale plain = locale();
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString number = plain.toString(value, 'f', QLocale::FloatingPointShortest);
    return m_unit.isEmpty() ? number : number + QLatin1Char(' ') + m_unit;
}

QString NumberField::rangeHint() const
{
    return LochkartorText::tr("Bereich %1: %2 bis %3")
        .arg(m_genitiveName, quantity(minimum()), quantity(maximum()));
}

QString NumberField::correctionNote(double typed, double entered) const
{
    if (typed > maximum())
        return LochkartorText::tr("%1 liegt über dem Höchstwert %2 %3; eingetragen: %2")
            .arg(quantity(typed), quantity(maximum()), m_genitiveName);
    if (typed < minimum())
        return LochkartorText::tr("%1 liegt unter dem Mindestwert %2 %3; eingetragen: %2")
            .arg(quantity(typed), quantity(minimum()), m_genitiveName);
    return LochkartorText::tr("%1 auf die Stellen %3 gerundet; eingetragen: %2")
        .arg(quantity(typed), quantity(entered), m_genitiveName);
}

void NumberField::recheckText()
{
    watchTypedText(lineEdit()->text());
}

void NumberField::watchTypedText(const QString &text)
{
    double typed = 0;
    setOutOfRange(parse(text, &typed) && (typed < minimum() || typed > maximum()));
}

void NumberField::setOutOfRange(bool outOfRange)
{
    if (outOfRange == m_outOfRange)
        return;
    m_outOfRange = outOfRange;
    update();
    showHint(outOfRange ? rangeHint() : QString());
}

void NumberField::showHint(const QString &hint)
{
    m_hintShown = !hint.isEmpty();
    emit hintChanged(hint);
}

void NumberField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        commitTypedText();
        QDoubleSpinBox::keyPressEvent(event);
        return;
    }
    const QString before = lineEdit()->text();
    const int cursor = lineEdit()->cursorPosition();
    const bool selection = lineEdit()->hasSelectedText();
    QDoubleSpinBox::keyPressEvent(event);
    const bool printable = !event->text().isEmpty() && event->text().at(0).isPrint();
    const bool refused = printable && lineEdit()->text() == before
                         && lineEdit()->cursorPosition() == cursor
                         && lineEdit()->hasSelectedText() == selection;
    if (refused) {
        QApplication::beep();
        showHint(LochkartorText::tr("Nur Ziffern, ein Vorzeichen und ein Komma oder "
                                    "Punkt. %1")
                     .arg(rangeHint()));
    }
}

// The tooltip gives the range as it is now: the encoders move some maxima.
bool NumberField::event(QEvent *event)
{
    // A shortcut such as "save" or "print" acts on the number being typed;
    // the field's own editing keys keep it unfinished.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Undo and redo act on the text while there is typing to undo, and
        // on the form's steps otherwise: the event goes on unaccepted.
        if ((key->matches(QKeySequence::Undo) && !lineEdit()->isUndoAvailable())
            || (key->matches(QKeySequence::Redo) && !lineEdit()->isRedoAvailable()))
            return true;
        const bool editing
            = key->matches(QKeySequence::SelectAll) || key->matches(QKeySequence::Copy)
              || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Paste)
              || key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
        // Ctrl or Alt pressed on its own, on the way to a shortcut, is none.
        const bool modifierOnly = key->key() == Qt::Key_Control || key->key() == Qt::Key_Alt
                                  || key->key() == Qt::Key_Shift || key->key() == Qt::Key_Meta;
        if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && !editing
            && !modifierOnly)
            commitTypedText();
    }
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), rangeHint(), this);
        return true;
    }
    return QDoubleSpinBox::event(event);
}

void NumberField::focusOutEvent(QFocusEvent *event)
{
    commitTypedText();
    QDoubleSpinBox::focusOutEvent(event);
    // Text that means no number has just been replaced by the value.
    watchTypedText(lineEdit()->text());
    if (m_hintShown)
        showHint(QString());
}

// A red frame around the field while the typed text lies outside its range.
void NumberField::paintEvent(QPaintEvent *event)
{
    QDoubleSpinBox::paintEvent(event);
    if (!m_outOfRange)
        return;
    QPainter painter(this);
    QPen pen(Qt::red);
    pen.setWidth(2);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void commitFocusedNumberField(QWidget *window)
{
    for (QWidget *widget = window ? window->focusWidget() : nullptr; widget;
         widget = widget->parentWidget()) {
        if (auto *field = qobject_cast<NumberField *>(widget)) {
            field->commitTypedText();
            return;
        }
        if (widget == window)
            return;
    }
}
