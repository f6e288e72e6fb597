// The window's form as a tube, and the card the window shows: drawn from the
// card engine's card of that tube, never worked out by the window itself.

#include "card.h"
#include "form_replay.h"
#include "lochkartor.h"
#include "tube.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFont>
#include <QGraphicsTextItem>
#include <QLineEdit>

Lochkartor::CardUpdate::CardUpdate(Lochkartor *window)
    : m_window(window)
{
    ++m_window->m_cardUpdates;
}

Lochkartor::CardUpdate::~CardUpdate()
{
    if (--m_window->m_cardUpdates == 0) {
        m_window->showCardOfTube();
        m_window->refreshModified();
    }
}

void Lochkartor::showCardOfTube()
{
    const Card card = cardOf(tube());
    m_cards->showCard(card);
    m_findings = card.findings;
    checkValidity();
}

Tube Lochkartor::tube() const
{
    Tube tube;
    for (int index = 0; index < TubeFieldCount; ++index) {
        const QWidget *widget = m_fieldWidgets[std::size_t(index)];
        TubeValue value;
        if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
            value.text = edit->text();
        else if (const auto *box = qobject_cast<const QComboBox *>(widget))
            value.number = box->currentIndex();
        else if (const auto *spinBox = qobject_cast<const QDoubleSpinBox *>(widget))
            value.number = spinBox->value();
        setValueOf(tube, TubeField(index), value);
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
