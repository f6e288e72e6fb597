#pragma once

#include "form_snapshot.h"
#include "tube_data_values.h"

#include <QString>
#include <QUndoCommand>
#include <functional>
#include <optional>

// The file a window shows and the values it holds on disk: what the title
// and the changed mark go by.
struct DocumentFile
{
    QString fileName;
    TubeData::Values savedValues;

    bool operator==(const DocumentFile &other) const
    {
        return fileName == other.fileName && savedValues == other.savedValues;
    }
};

// One side of an undo step: the whole form, and for a step that replaced the
// tube (a load, "Neu", "Karte einlesen") also the file the window showed.
struct FormStep
{
    FormSnapshot form;
    std::optional<DocumentFile> document;

    bool operator==(const FormStep &other) const
    {
        return form == other.form && document == other.document;
    }
};

// An undo step as two snapshots, not as an inverse operation: undo shows the
// form before, redo the form after, exactly as they were.
class FormStepCommand : public QUndoCommand
{
public:
    using Show = std::function<void(const FormStep &)>;

    // The edit has happened when the command is pushed: the first redo,
    // which QUndoStack::push runs, shows nothing.
    FormStepCommand(const QString &text, FormStep before, FormStep after, Show show);

    void undo() override;
    void redo() override;

    const FormStep &before() const { return m_before; }
    const FormStep &after() const { return m_after; }

private:
    FormStep m_before;
    FormStep m_after;
    Show m_show;
    bool m_done = true;
};
