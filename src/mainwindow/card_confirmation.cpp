#include "card_confirmation.h"
#include "dialogs.h"
#include "lochkartor.h"
#include "numberfield.h"

bool confirmCardDespiteFailedChecks(Lochkartor *window, CardUse use)
{
    // A value still being typed is part of the card.
    commitFocusedNumberField(window);
    const QStringList failed = window->failedChecks();
    const int unknown = window->unknownFieldCount();
    if (failed.isEmpty() && unknown == 0)
        return true;
    const QString question = use == CardUse::Save ? Lochkartor::tr("Trotzdem speichern?")
                                                  : Lochkartor::tr("Trotzdem drucken?");
    QStringList lines;
    if (!failed.isEmpty())
        lines << Lochkartor::tr("Die Gültigkeitsprüfung zeigt Rot für: %1.")
                     .arg(failed.join(QStringLiteral(", ")));
    // One question for both: a card read back still holds values that are
    // only safe guesses until the card's print is copied into the form.
    if (unknown > 0)
        lines << Lochkartor::tr("%1 Felder stehen nicht auf der gelesenen Karte und halten "
                                "sichere Werte statt der aufgedruckten (umrandet).")
                     .arg(unknown);
    lines << question;
    const QString title = failed.isEmpty() ? Lochkartor::tr("Werte nicht von der Karte")
                                           : Lochkartor::tr("Gültigkeitsprüfung");
    return Dialogs::question(window, title, lines.join(QLatin1Char('\n')));
}
