#pragma once

#include <QDoubleSpinBox>

// The form's number field. It takes what the user types at face value:
// both ',' and '.' are the decimal point (the fields have no thousands
// separators), a number outside the range stays visible with a red frame
// instead of losing the keystroke, and on leaving the field (Enter, Tab, a
// click elsewhere, an arrow step) it becomes the nearest bound, rounded to the
// field's decimals, with a note saying so. The value the card encoders get is
// always the one the field then shows.
//
// Intermediate texts never reach the encoders: keyboard tracking is off, so
// typing "300" does not first hand "30" to the plate-voltage encoder, which
// would pull the screen voltage down to 30 on the way.
class NumberField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit NumberField(QWidget *parent = nullptr);

    // What the notes call the field, in the genitive ("der Anodenspannung"),
    // and the unit its values are given in ("V").
    void describe(const QString &genitiveName, const QString &unit);

    // "5 V", "6,3 V": a value with the unit, as the notes write it.
    QString quantity(double value) const;
    // "Bereich der Anodenspannung: 5 V bis 300 V".
    QString rangeHint() const;

    // Whether the text being typed lies outside the field's range.
    bool isOutOfRange() const { return m_outOfRange; }

    // Takes the typed text as the field's value now, as leaving the field
    // does; the window calls it before a file or print dialog so that a
    // number still being typed is not lost.
    void commitTypedText();
    // Looks at the shown text again, after a value was put in while the
    // field's signals were blocked.
    void recheckText();

    QValidator::State validate(QString &input, int &pos) const override;
    double valueFromText(const QString &text) const override;
    void fixup(QString &input) const override;
    void stepBy(int steps) override;

    // The number a text means, with either decimal point; false for text that
    // is not (yet) a number: "", "-", ",".
    static bool parse(const QString &text, double *value);

signals:
    // The range, while the typed text lies outside it; empty once it is back.
    void hintChanged(const QString &hint);
    // Says what was typed, what was entered instead and why.
    void corrected(const QString &note);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void watchTypedText(const QString &text);
    void setOutOfRange(bool outOfRange);
    void showHint(const QString &hint);
    double roundedToDecimals(double value) const;
    QString correctionNote(double typed, double entered) const;

    QString m_genitiveName;
    QString m_unit;
    bool m_outOfRange = false;
    bool m_hintShown = false;
};

// Commits the text of the number field that has the keyboard focus in
// `window`, if any.
void commitFocusedNumberField(QWidget *window);
