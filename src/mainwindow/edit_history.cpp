#include "edit_history.h"
#include "lochkartor.h"
#include "numberfield.h"
#include "status_notes.h"
#include "texts.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStatusBar>
#include <QUndoStack>
#include <QUndoView>

EditHistory::Pause::Pause(EditHistory *history)
    : m_history(history)
{
    if (m_history)
        ++m_history->m_paused;
}

EditHistory::Pause::~Pause()
{
    if (m_history)
        --m_history->m_paused;
}

EditHistory::EditHistory(Lochkartor *window, DocumentAccess file)
    : QObject(window)
    , m_window(window)
    , m_file(std::move(file))
    , m_widgets(*window)
{
    m_document.onShow([this](const DocumentState &step) { showStep(step); });
    m_namePause.setSingleShot(true);
    m_namePause.setInterval(NamePauseMs);
    connect(&m_namePause, &QTimer::timeout, this, &EditHistory::recordName);
    connect(stack(), &QUndoStack::indexChanged, this, &EditHistory::refreshActions);
    watchInputs();
    startFromHere();
}

// Every other input hands its edits to `edit` through the window's slot; a
// number field also says when it entered another number than the one typed.
void EditHistory::watchInputs()
{
    for (std::size_t i = 0; i < FormSnapshot::InputCount; ++i) {
        if (auto *field = qobject_cast<NumberField *>(m_widgets.input(i))) {
            connect(field, &NumberField::corrected, this, [this](const QString &note) {
                if (m_reportPending)
                    m_correction = note;
            });
        }
    }
    QLineEdit *name = m_widgets.tubeName();
    connect(name, &QLineEdit::textChanged, this, &EditHistory::nameChanged);
    connect(name, &QLineEdit::editingFinished, this, &EditHistory::recordName);
    name->installEventFilter(this);
}

// Undo and redo in the name field undo steps of the form, the name typed so
// far included, rather than single keys.
bool EditHistory::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_widgets.tubeName() && event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void EditHistory::useActions(QAction *undo, QAction *redo)
{
    m_undoAction = undo;
    m_redoAction = redo;
    connect(undo, &QAction::triggered, this, &EditHistory::undo);
    connect(redo, &QAction::triggered, this, &EditHistory::redo);
    refreshActions();
}

// One edit of one input as the user makes it: the document applies it with
// everything it sets off as one step, and the window shows the result. The
// status bar hears of it once the event is over, when a number field has
// said whether it corrected the typed number.
void EditHistory::edit(TubeField field, const TubeValue &value)
{
    if (paused()) {
        const FormValue before = m_document.value();
        m_document.startFrom(before.withTube(TubeEdit::apply(before.tube, field, value).tube));
        m_window->putFormValue(m_document.value());
        return;
    }
    // A name typed before belongs to a step of its own, before this one.
    recordName();
    const FormValue before = m_document.value();
    const int cause = FormSnapshot::indexOf(QLatin1String(tubeFieldName(field)));
    m_document.edit(field, value,
                    [this, cause](const FormValue &after) { return stepText(cause, after); });
    const FormValue &after = m_document.value();
    m_window->putFormValue(after);
    if (after == before)
        return;
    m_pendingReport = PendingEdit{cause, before, after};
    if (!m_reportPending) {
        m_reportPending = true;
        QMetaObject::invokeMethod(this, &EditHistory::reportEdit, Qt::QueuedConnection);
    }
}

void EditHistory::reportEdit()
{
    if (!m_reportPending)
        return;
    m_reportPending = false;
    const PendingEdit &edit = m_pendingReport;
    report(outcomeOf(edit.cause, edit.before, edit.after));
}

void EditHistory::nameChanged()
{
    if (paused())
        return;
    m_namePending = true;
    m_namePause.start();
    refreshActions();
}

void EditHistory::settle()
{
    recordName();
    reportEdit();
}

void EditHistory::recordName()
{
    if (!m_namePending)
        return;
    m_namePending = false;
    m_namePause.stop();
    const QString name = m_widgets.tubeName()->text();
    const FormValue before = m_document.value();
    if (paused() || name == before.tube.name) {
        refreshActions();
        return;
    }
    FormValue after = before;
    after.tube.name = name;
    m_document.record(stepText(-1, after), after);
    report(outcomeOf(-1, before, after));
}

void EditHistory::undo()
{
    settle();
    stack()->undo();
}

void EditHistory::redo()
{
    settle();
    stack()->redo();
}

void EditHistory::showHistoryView()
{
    settle();
    if (!m_view) {
        m_view = new QUndoView(stack(), m_window);
        m_view->setObjectName(QStringLiteral("historyView"));
        m_view->setWindowFlags(Qt::Tool);
        m_view->setWindowTitle(LochkartorText::tr("Verlauf"));
        m_view->setEmptyLabel(LochkartorText::tr("Anfang"));
        m_view->resize(320, 360);
    }
    m_view->show();
    m_view->raise();
    m_view->activateWindow();
}

// The document has moved to the step's value; the window shows it.
void EditHistory::showStep(const DocumentState &step)
{
    {
        const Pause pause(this);
        m_window->showFormValue(step.form);
        if (step.file)
            m_file.show(*step.file);
    }
    dropPending();
    // A note about the step undone or redone would no longer be true.
    m_window->statusBar()->clearMessage();
}

// The form as it is becomes where the next step starts; nothing half-done
// carries over.
void EditHistory::startFromHere()
{
    m_document.startFrom(m_window->formValue());
    dropPending();
}

void EditHistory::dropPending()
{
    m_reportPending = false;
    m_namePending = false;
    m_namePause.stop();
    m_correction.clear();
    refreshActions();
}

bool EditHistory::replaceForm(const QString &text, const std::function<bool()> &replace,
                              Saved saved)
{
    settle();
    const DocumentState before{m_window->formValue(), m_file.current()};
    bool replaced = false;
    {
        const Pause pause(this);
        replaced = replace();
    }
    startFromHere();
    if (!replaced)
        return false;
    // "Neu" on a new tube, or the file shown loaded again, is no step.
    m_document.replace(text, before, DocumentState{m_document.value(), m_file.current()});
    if (saved == Saved::Yes)
        stack()->setClean();
    m_window->statusBar()->clearMessage();
    return true;
}

void EditHistory::formFilled()
{
    if (!paused())
        startFromHere();
}

void EditHistory::markSaved()
{
    settle();
    stack()->setClean();
}

bool EditHistory::isClean() const
{
    return stack()->isClean() && !m_namePending;
}

// The notes of one edit replace whatever the status bar said about the one
// before; an edit that changed nothing else clears it.
void EditHistory::report(const EditOutcome &edit)
{
    QStringList notes = cascadeNotes(edit, m_widgets);
    if (!m_correction.isEmpty())
        notes.prepend(m_correction);
    m_correction.clear();
    QStatusBar *bar = m_window->statusBar();
    if (notes.isEmpty())
        bar->clearMessage();
    else
        StatusNotes::show(bar, notes.join(QStringLiteral("; ")));
}

void EditHistory::refreshActions()
{
    if (!m_undoAction || !m_redoAction)
        return;
    QString undoStep = stack()->undoText();
    if (m_namePending) {
        FormValue named = m_document.value();
        named.tube.name = m_widgets.tubeName()->text();
        undoStep = stepText(-1, named);
    }
    const bool canUndo = stack()->canUndo() || m_namePending;
    const bool canRedo = stack()->canRedo() && !m_namePending;
    // A '&' of a tube name is no shortcut key.
    const auto escaped
        = [](QString text) { return text.replace(QLatin1Char('&'), QLatin1String("&&")); };
    m_undoAction->setEnabled(canUndo);
    m_undoAction->setText(canUndo ? LochkartorText::tr("&Rückgängig: %1").arg(escaped(undoStep))
                                  : LochkartorText::tr("&Rückgängig"));
    m_redoAction->setEnabled(canRedo);
    m_redoAction->setText(
        canRedo ? LochkartorText::tr("&Wiederholen: %1").arg(escaped(stack()->redoText()))
                : LochkartorText::tr("&Wiederholen"));
}

QString EditHistory::stepText(int cause, const FormValue &after) const
{
    if (cause < 0)
        return m_widgets.tubeNameLabel() + QLatin1Char(' ')
               + m_widgets.tubeNameText(after.tube.name);
    const std::size_t index = std::size_t(cause);
    TubeField field = TubeField::Name;
    tubeFieldNamed(FormSnapshot::inputs[index].objectName, &field);
    return m_widgets.label(index) + QLatin1Char(' ')
           + m_widgets.valueText(index, valueOf(after.tube, field).number);
}

EditOutcome EditHistory::outcomeOf(int cause, const FormValue &before, const FormValue &after)
{
    return EditOutcome{cause, FormSnapshot::of(before), FormSnapshot::of(after), blocksOf(before),
                       blocksOf(after)};
}

FormBlocks EditHistory::blocksOf(const FormValue &form)
{
    const TubeForm::Flags kind = TubeForm::flags(form.tube);
    FormBlocks blocks;
    blocks.heater = kind.heaterPresent;
    blocks.rectifier = kind.rectifier;
    blocks.screenGrid = kind.screenGrid;
    blocks.controlGrid = kind.controlGrid;
    return blocks;
}
