#pragma once

#include "cascade_notes.h"
#include "form_widgets.h"
#include "tube_document.h"

#include <QObject>
#include <QTimer>
#include <functional>

class Lochkartor;
class QAction;
class QUndoStack;
class QUndoView;

// The window's undo history. Every edit of the form becomes one step once it
// is complete: a list choice or a number the field has taken with whatever
// the document changed on the way, the name when typing pauses or the field
// is left. The status bar says what an edit changed besides its own field.
// Loads, "Neu" and "Karte einlesen" are one step each. The steps are the
// document's: they hold its values, and undo shows the value it lands on.
class EditHistory : public QObject
{
    Q_OBJECT

public:
    // The name counts as typed once the keys rest this long.
    static constexpr int NamePauseMs = 1000;

    // How a step that replaced the tube reads and brings back the file the
    // window shows.
    struct DocumentAccess
    {
        std::function<DocumentFile()> current;
        std::function<void(const DocumentFile &)> show;
    };

    EditHistory(Lochkartor *window, DocumentAccess file);

    QUndoStack *stack() const { return m_document.stack(); }
    const TubeDocument &document() const { return m_document; }
    const FormWidgets &widgets() const { return m_widgets; }
    // The menu's "Rückgängig" and "Wiederholen": their texts name the step.
    void useActions(QAction *undo, QAction *redo);

    // One input's edit, made by the user: one step, shown in the form.
    void edit(TubeField field, const TubeValue &value);
    // Makes the name being typed a step now, and tells the status bar of
    // the last edit.
    void settle();
    void undo();
    void redo();
    // "Verlauf": every step in a small window of its own; choosing one goes
    // there.
    void showHistoryView();
    // Runs `replace` (which returns whether it replaced the form) as one
    // step; a load marks its result as the saved state.
    enum class Saved { No, Yes };
    bool replaceForm(const QString &text, const std::function<bool()> &replace, Saved saved);
    // The form has been filled in code, outside any step: it is where the
    // next step starts.
    void formFilled();
    // The form is what was just saved.
    void markSaved();
    // At the saved step, with no edit on the way to becoming a step.
    bool isClean() const;

    // While one lives, changes of the form are not edits of the user.
    class Pause
    {
    public:
        explicit Pause(EditHistory *history);
        ~Pause();
        Pause(const Pause &) = delete;
        Pause &operator=(const Pause &) = delete;

    private:
        EditHistory *m_history;
    };

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchInputs();
    void nameChanged();
    void reportEdit();
    void recordName();
    void showStep(const DocumentState &step);
    void startFromHere();
    void dropPending();
    void report(const EditOutcome &edit);
    static EditOutcome outcomeOf(int cause, const FormValue &before, const FormValue &after);
    void refreshActions();
    QString stepText(int cause, const FormValue &after) const;
    static FormBlocks blocksOf(const FormValue &form);
    bool paused() const { return m_paused > 0; }

    Lochkartor *m_window;
    DocumentAccess m_file;
    FormWidgets m_widgets;
    TubeDocument m_document; // its value: the form as the last step left it
    QTimer m_namePause;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QUndoView *m_view = nullptr;
    // The last edit, for the status bar: what it was made in, and the form
    // before and after it.
    struct PendingEdit
    {
        int cause = -1;
        FormValue before;
        FormValue after;
    };
    PendingEdit m_pendingReport;
    bool m_reportPending = false;
    bool m_namePending = false;
    QString m_correction; // what a number field entered instead of the typed text
    int m_paused = 0;
};
