// The window's entry to reading a card back.

#include "card_check.h"
#include "dialogs.h"
#include "edit_history.h"
#include "lochkartor.h"
#include "ui_lochkartor.h"
#include "unknown_fields.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

// In the "Datei" menu after the files to open, the other way in.
void Lochkartor::addReadCardAction()
{
    auto *file = findChild<QMenu *>(QStringLiteral("fileMenu"));
    auto *recent = findChild<QMenu *>(QStringLiteral("recentMenu"));
    if (!file)
        return;
    auto *action = new QAction(tr("Karte &einlesen…"), file);
    action->setObjectName(QStringLiteral("readCardAction"));
    const QList<QAction *> actions = file->actions();
    const qsizetype at = recent ? actions.indexOf(recent->menuAction()) : -1;
    file->insertAction(at >= 0 && at + 1 < actions.size() ? actions.at(at + 1) : nullptr, action);
    connect(action, &QAction::triggered, this, &Lochkartor::askAndReadCard);
}

void Lochkartor::askAndReadCard()
{
    const auto report = [](const HoleList &holes, int socket, const PrintedTexts *print) {
        return CardReading::reportText(print ? CardCheck::read(holes, socket, *print)
                                             : CardCheck::read(holes, socket),
                                       CardCheck::listTexts());
    };
    const auto fitting = [](const HoleList &holes) {
        const CardReading::Reading reading = CardReading::read(holes, CardCheck::formLimits());
        return CardReading::servingSockets(reading);
    };
    QStringList sockets;
    for (int i = 0; i < ui->socket->count(); ++i)
        sockets << ui->socket->itemText(i);
    const std::optional<Dialogs::CardHoles> answer
        = Dialogs::askCardHoles(this, sockets, report, fitting);
    // Only a card that is read replaces the form, so only then the question.
    if (answer && maybeSave())
        fillFormFromCard(answer->holes, answer->socket, answer->print ? &*answer->print : nullptr);
}

QString Lochkartor::fillFormFromCard(const HoleList &holes, int socket, const PrintedTexts *print)
{
    const CardReading::Outcome outcome
        = print ? CardCheck::read(holes, socket, *print) : CardCheck::read(holes, socket);
    // Like "Neu" and a load, from a fresh form: the card then is the one
    // checked. The form is a new tube that has not been saved.
    m_history->replaceForm(
        tr("Karte einlesen"),
        [&] {
            resetToFreshForm();
            startDocument(QString());
            showTube(CardCheck::tubeOf(outcome.form));
            return true;
        },
        EditHistory::Saved::No);
    const CardReading::ListTexts texts = CardCheck::listTexts();
    unknownFields().mark(CardReading::unknownFields(outcome, texts));
    return CardReading::reportText(outcome, texts);
}

UnknownFields &Lochkartor::unknownFields()
{
    if (!m_unknownFields)
        m_unknownFields = new UnknownFields(this, m_history->stack());
    return *m_unknownFields;
}

int Lochkartor::unknownFieldCount() const
{
    return m_unknownFields ? m_unknownFields->count() : 0;
}
