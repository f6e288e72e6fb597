// The window's form and cards as values, for the reports and the pictures.

#include "card.h"
#include "lochkartor.h"
#include "tube.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFont>
#include <QGraphicsTextItem>
#include <QLineEdit>

Tube Lochkartor::tube() const
{
    Tube tube;
    for (int index = 0; index < TubeFieldCount; ++index) {
        const auto field = TubeField(index);
        const QWidget *widget = findChild<QWidget *>(QLatin1String(tubeFieldName(field)));
        TubeValue value;
        if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
            value.text = edit->text();
        else if (const auto *box = qobject_cast<const QComboBox *>(widget))
            value.number = box->currentIndex();
        else if (const auto *spinBox = qobject_cast<const QDoubleSpinBox *>(widget))
            value.number = spinBox->value();
        setValueOf(tube, field, value);
    }
    return tube;
}

Card Lochkartor::shownCard() const
{
    Card card;
    card.holes = m_cards->punchedHoles();
    for (int index = 0; index < CardTextCount; ++index) {
        const auto text = CardText(index);
        card.texts[std::size_t(index)] = {m_cards->text(text), m_cards->isTextVisible(text)};
    }
    card.tubeNamePointSize = m_cards->textItem(CardText::TubeName)->font().pointSize();
    card.findings = validityFindings();
    return card;
}
