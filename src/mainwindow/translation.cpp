#include "translation.h"

#include <QTranslator>

bool loadTranslation(QTranslator &translator, const QString &localeName)
{
    return translator.load(QStringLiteral("lochkartor_") + localeName);
}
