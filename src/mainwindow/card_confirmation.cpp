#include "card_confirmation.h"
#include "dialogs.h"
#include "lochkartor.h"
#include "numberfield.h"

bool confirmCardDespiteFailedChecks(Lochkartor *window, CardUse use)
{
    // A value still being typed is part of the card.
    commitFocusedNumberField(window);
    const QStringList failed = window->failedChecks();
    if (failed.isEmpty())
        return true;
    const QString question = use == CardUse::Save ? Lochkartor::tr("Trotzdem speichern?")
                                                  : Lochkartor::tr("Trotzdem drucken?");
    const QString text = Lochkartor::tr("Die Gültigkeitsprüfung zeigt Rot für: %1.")
                             .arg(failed.join(QStringLiteral(", ")))
                         + QLatin1Char('\n') + question;
    return Dialogs::question(window, Lochkartor::tr("Gültigkeitsprüfung"), text);
}
