// The window as the editor of one tube data file: which file it shows, whether
// the form holds changes that are not saved, and the question before anything
// would throw them away.

#include "dialogs.h"
#include "edit_history.h"
#include "form_replay.h"
#include "lochkartor.h"
#include "numberfield.h"
#include "plain_text.h"
#include "program_settings.h"
#include "recent_files.h"
#include "status_notes.h"
#include "tube_data_form.h"
#include "ui_lochkartor.h"
#include "unknown_fields.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QStatusBar>
#include <QUndoStack>
#include <QUrl>

namespace {

// The one local *.tds file a drag carries, or an empty string.
QString droppedTubeFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().first();
    if (!url.isLocalFile())
        return QString();
    const QString fileName = url.toLocalFile();
    if (QFileInfo(fileName).suffix().compare(QLatin1String("tds"), Qt::CaseInsensitive) != 0)
        return QString();
    return fileName;
}

} // namespace

// The form counts as changed when a save would write other values than the
// last save or load did, so a value changed and put back is no change. Every
// change of the form, whatever the edit and whichever slot it runs, ends with
// the cards being shown again, and the changed mark is looked at there.
void Lochkartor::setUpDocument()
{
    for (const TubeData::Key &key : TubeData::keys())
        m_saveFields.push_back(key.kind == TubeData::Kind::PinCount
                                   ? nullptr
                                   : findChild<QWidget *>(QLatin1String(key.field)));
    setAcceptDrops(true);
    startDocument(QString());
}

TubeData::Conditions Lochkartor::saveConditions() const
{
    TubeData::Conditions conditions;
    conditions.heaterPresent = heaterPresentFlag;
    conditions.heaterOnAc = TubeData::isAcHeatingMethod(ui->heatingMethod->currentIndex());
    conditions.rectifier = rectifierFlag;
    conditions.screenGrid = screenGridFlag;
    conditions.controlGrid = controlGridFlag;
    conditions.pinCount = pinCount;
    return conditions;
}

TubeData::Values Lochkartor::valuesToSave() const
{
    // Runs after every edit, so the fields are looked up once, not by name.
    const TubeData::Key *first = TubeData::keys().data();
    return TubeData::valuesToWrite(saveConditions(), [this, first](const TubeData::Key &key) {
        return TubeData::valueOf(m_saveFields.at(std::size_t(&key - first)), key.kind);
    });
}

// The form as it is now becomes the unchanged state of `fileName`.
void Lochkartor::startDocument(const QString &fileName)
{
    m_documentFile = fileName;
    m_savedValues = valuesToSave();
    // Another tube: marks of a card read before do not apply to it.
    if (m_unknownFields)
        m_unknownFields->clear();
    showDocumentTitle();
    setWindowModified(false);
}

void Lochkartor::showDocumentTitle()
{
    setWindowTitle(QStringLiteral("%1[*] – Lochkartor").arg(documentName()));
}

// A step that replaced the tube also brings back the file the window showed
// and what that file holds, so the title and the changed mark go with it.
void Lochkartor::setUpEditHistory()
{
    EditHistory::DocumentAccess document;
    document.current = [this] { return DocumentFile{m_documentFile, m_savedValues}; };
    document.show = [this](const DocumentFile &file) {
        m_documentFile = file.fileName;
        m_savedValues = file.savedValues;
        showDocumentTitle();
        refreshModified();
    };
    m_history = new EditHistory(this, document);
    // A name being typed is a change once the history has taken it in, which
    // it does after the name's slot has run.
    connect(ui->tubeName, &QLineEdit::textChanged, this, [this] { refreshModified(); });
    connect(m_history->stack(), &QUndoStack::indexChanged, this, [this] { refreshModified(); });
    connect(m_history->stack(), &QUndoStack::cleanChanged, this, [this] { refreshModified(); });
}

void Lochkartor::documentSaved(const QString &fileName)
{
    startDocument(fileName);
    m_history->markSaved();
    reportSettingsNotSaved(RecentFiles::add(fileName));
}

void Lochkartor::documentLoaded(const QString &fileName)
{
    startDocument(fileName);
    reportSettingsNotSaved(RecentFiles::add(fileName));
}

void Lochkartor::reportSettingsNotSaved(const QString &reason)
{
    if (reason.isEmpty() || m_settingsProblemShown)
        return;
    m_settingsProblemShown = true;
    statusBar()->showMessage(ProgramSettings::notSavedText(reason));
}

void Lochkartor::refreshModified()
{
    // Until the form is set up, and while a load or an edit is still
    // putting values in, the form is not what a save would write; the end of
    // the edit looks again.
    if (m_fillingForm || m_saveFields.empty() || m_cardUpdates > 0)
        return;
    // The history's saved state is a shortcut; a value changed and put back
    // is no change either.
    const bool modified = !(m_history && m_history->isClean()) && valuesToSave() != m_savedValues;
    // Each call retitles the window, and every edit asks.
    if (modified != isWindowModified())
        setWindowModified(modified);
}

QString Lochkartor::documentName() const
{
    return m_documentFile.isEmpty() ? tr("Unbenannt") : QFileInfo(m_documentFile).fileName();
}

bool Lochkartor::maybeSave()
{
    // A number still being typed is a change too.
    commitFocusedNumberField(this);
    if (!isWindowModified())
        return true;
    const QString question
        = tr("Änderungen an „%1“ speichern?").arg(PlainText::quoted(documentName()));
    switch (Dialogs::askToSave(this, tr("Ungespeicherte Änderungen"), question)) {
    case Dialogs::SaveAnswer::Save:
        return saveDocument() && !isWindowModified();
    case Dialogs::SaveAnswer::Discard:
        return true;
    case Dialogs::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void Lochkartor::newDocument()
{
    if (!maybeSave())
        return;
    m_history->replaceForm(
        tr("Neu"),
        [this] {
            showTube(freshTube());
            startDocument(QString());
            return true;
        },
        EditHistory::Saved::No);
}

// To the file the window shows, without asking; a new tube asks for a name
// exactly as "Daten speichern" does.
bool Lochkartor::saveDocument()
{
    if (m_documentFile.isEmpty()) {
        on_saveDataButton_clicked();
        return !m_documentFile.isEmpty() && !isWindowModified();
    }
    return saveTubeData(m_documentFile);
}

void Lochkartor::openRecentFile(const QString &fileName)
{
    if (!QFileInfo::exists(fileName)) {
        reportSettingsNotSaved(RecentFiles::remove(fileName));
        Dialogs::warning(this, tr("Datei nicht gefunden"),
                         tr("Die Datei „%1“ gibt es nicht mehr. Sie wurde aus der Liste der "
                            "zuletzt geöffneten Dateien entfernt.")
                             .arg(PlainText::quoted(QDir::toNativeSeparators(fileName))));
        return;
    }
    if (maybeSave())
        loadTubeData(fileName);
}

void Lochkartor::openDroppedFile(const QString &fileName)
{
    if (maybeSave())
        loadTubeData(fileName);
}

// Qt has taken its own options (-platform and the like) out already.
void Lochkartor::openFromArguments(const QStringList &arguments)
{
    openCommandLineFile(arguments.value(1));
}

void Lochkartor::openCommandLineFile(const QString &fileName)
{
    // Absolute, so "Speichern" still finds the file if the folder changes.
    if (!fileName.isEmpty()) {
        loadTubeData(QFileInfo(fileName).absoluteFilePath());
        return;
    }
    StatusNotes::showUntilEdited(
        statusBar(), tr("Zum Beginnen: Röhrenbezeichnung eingeben, Sockel und Grundtyp wählen"));
}

void Lochkartor::closeEvent(QCloseEvent *event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

void Lochkartor::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedTubeFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// The question and the load run after the drop has finished, so the program
// the file came from is not kept waiting while a dialog is open.
void Lochkartor::dropEvent(QDropEvent *event)
{
    const QString fileName = droppedTubeFile(event->mimeData());
    if (fileName.isEmpty())
        return;
    event->acceptProposedAction();
    QMetaObject::invokeMethod(
        this, [this, fileName] { openDroppedFile(fileName); }, Qt::QueuedConnection);
}
