// The window's entry to reading a card back.

#include "dialogs.h"
#include "lochkartor.h"
#include "read_card.h"
#include "ui_lochkartor.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QPushButton>

// Beside the four buttons, after "Daten laden", the other way in, also in
// the tab chain; connected here rather than by name, so the window's table
// of slots stays as it is.
void Lochkartor::addReadCardButton()
{
    auto *button = new QPushButton(tr("Karte einlesen…"), this);
    button->setObjectName(QStringLiteral("readCardButton"));
    for (QBoxLayout *layout : findChildren<QBoxLayout *>()) {
        const int at = layout->indexOf(ui->loadDataButton);
        if (at >= 0) {
            layout->insertWidget(at + 1, button);
            break;
        }
    }
    setTabOrder(ui->loadDataButton, button);
    connect(button, &QPushButton::clicked, this, &Lochkartor::askAndReadCard);
}

void Lochkartor::askAndReadCard()
{
    const auto report = [](const HoleList &holes, int socket) {
        Lochkartor fresh;
        const CardReading::Outcome outcome = ReadCard::read(holes, socket, fresh);
        return CardReading::reportText(outcome, ReadCard::listTexts(fresh));
    };
    QStringList sockets;
    for (int i = 0; i < ui->socket->count(); ++i)
        sockets << ui->socket->itemText(i);
    const std::optional<Dialogs::CardHoles> answer = Dialogs::askCardHoles(this, sockets, report);
    if (answer)
        fillFormFromCard(answer->holes, answer->socket);
}

QString Lochkartor::fillFormFromCard(const HoleList &holes, int socket)
{
    Lochkartor fresh;
    const CardReading::Outcome outcome = ReadCard::read(holes, socket, fresh);
    // Like a load, from a fresh form: the card then is the one checked.
    resetToFreshForm();
    ReadCard::applyForm(*this, outcome.form);
    return CardReading::reportText(outcome, ReadCard::listTexts(fresh));
}
