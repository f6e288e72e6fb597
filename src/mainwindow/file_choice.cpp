#include "file_choice.h"
#include "dialogs.h"
#include "lochkartor.h"
#include "numberfield.h"
#include "program_settings.h"
#include "texts.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace FileChoice {

namespace {

const char *const lastFolderKey = "dialogs/lastFolder";

void rememberFolderOf(QWidget *parent, const QString &fileName)
{
    if (fileName.isEmpty())
        return;
    const QString folder = QFileInfo(fileName).absolutePath();
    const QString problem = ProgramSettings::write([&folder](QSettings &settings) {
        settings.setValue(QLatin1String(lastFolderKey), folder);
    });
    if (auto *window = qobject_cast<Lochkartor *>(parent ? parent->window() : nullptr))
        window->reportSettingsNotSaved(problem);
}

// The start folder, and in it the suggested name when there is one.
QString suggestion(const QString &tubeName, const QString &suffix)
{
    const QString name = fileNameOf(tubeName);
    if (name.isEmpty())
        return startFolder();
    return QDir(startFolder()).filePath(name + QLatin1Char('.') + suffix);
}

// A number still being typed belongs to the data or card about to be
// written.
QString askToSave(QWidget *parent, const QString &caption, const QString &tubeName,
                  const QString &suffix)
{
    commitFocusedNumberField(parent ? parent->window() : nullptr);
    QString fileName = Dialogs::saveFileName(parent, caption, suggestion(tubeName, suffix),
                                             QStringLiteral("*.") + suffix, suffix);
    if (fileName.isEmpty())
        return QString();
    fileName = withSuffix(fileName, suffix);
    rememberFolderOf(parent, fileName);
    return fileName;
}

} // namespace

QString startFolder()
{
    const QString folder = QSettings().value(QLatin1String(lastFolderKey)).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QDir::homePath();
}

QString withSuffix(const QString &fileName, const QString &suffix)
{
    if (!QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    if (fileName.endsWith(QLatin1Char('.')))
        return fileName + suffix;
    return fileName + QLatin1Char('.') + suffix;
}

QString fileNameOf(const QString &tubeName)
{
    QString name = tubeName.trimmed();
    for (QChar &c : name) {
        if (c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    // A name of dots alone would name the folder or its parent.
    if (name.count(QLatin1Char('.')) == name.size())
        return QString();
    return name;
}

QString cardImageToSave(QWidget *parent, const QString &tubeName)
{
    return askToSave(parent, LochkartorText::tr("Karte als Bild speichern"), tubeName,
                     QStringLiteral("png"));
}

QString tubeDataToSave(QWidget *parent, const QString &tubeName)
{
    return askToSave(parent, LochkartorText::tr("Daten speichern"), tubeName,
                     QStringLiteral("tds"));
}

QString tubeDataToLoad(QWidget *parent)
{
    const QString fileName = Dialogs::openFileName(parent, LochkartorText::tr("Daten laden"),
                                                   startFolder(), QStringLiteral("*.tds"));
    rememberFolderOf(parent, fileName);
    return fileName;
}

} // namespace FileChoice
