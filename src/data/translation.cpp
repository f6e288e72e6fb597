#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool loadTranslation(QTranslator &translator, const QString &localeName)
{
    const QString name = QStringLiteral("lochkartor_") + localeName;
    if (translator.load(name))
        return true;
    // Started from elsewhere, the program still finds the translation it was
    // built or installed with.
    const QString programDirectory = QCoreApplication::applicationDirPath();
    const QString directories[] = {
        programDirectory, programDirectory + QStringLiteral("/" LOCHKARTOR_TRANSLATIONS_FROM_BIN)};
    for (const QString &directory : directories) {
        if (translator.load(name, directory))
            return true;
    }
    return false;
}

bool loadQtTranslation(QTranslator &translator, const QString &localeName)
{
    return translator.load(QStringLiteral("qtbase_") + localeName,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
