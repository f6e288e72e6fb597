#pragma once

#include "form_replay.h"
#include "tube.h"
#include "tube_data_values.h"
#include "tube_edit.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QUndoStack;

// What the form shows of a tube: its values, and the tester line each pin
// row names. A pin the socket lacks keeps, greyed, the line an earlier
// socket gave it; that is all the form holds that the values do not decide.
// A plain value, copied and compared freely.
struct FormValue
{
    Tube tube;
    std::array<int, 9> pinLines{}; // pin 1 first; 0: the pin reaches no line

    // This form with `tube` put in: the socket's pins name the lines it gives
    // them, the pins past its last one keep theirs.
    FormValue withTube(const Tube &tube) const;

    friend bool operator==(const FormValue &a, const FormValue &b)
    {
        return a.tube == b.tube && a.pinLines == b.pinLines;
    }
    friend bool operator!=(const FormValue &a, const FormValue &b) { return !(a == b); }
};

// The form of a new tube.
FormValue freshFormValue();

// The tube data file a document shows and the values it holds on disk: what
// the title and the changed mark go by.
struct DocumentFile
{
    QString fileName;
    TubeData::Values savedValues;

    friend bool operator==(const DocumentFile &a, const DocumentFile &b)
    {
        return a.fileName == b.fileName && a.savedValues == b.savedValues;
    }
};

// One side of an undo step: the form, and for a step that replaced the tube
// (a load, "Neu", a card read) also the file shown.
struct DocumentState
{
    FormValue form;
    std::optional<DocumentFile> file;

    friend bool operator==(const DocumentState &a, const DocumentState &b)
    {
        return a.form == b.form && a.file == b.file;
    }
};

// One tube being edited, and its history. Every step holds the form before
// and after it, not an inverse operation: undo and redo land exactly on the
// values that were current, however the steps are interleaved.
class TubeDocument
{
public:
    // Told what an undo or redo has made current.
    using Show = std::function<void(const DocumentState &)>;

    explicit TubeDocument(const FormValue &start = freshFormValue());
    ~TubeDocument();
    TubeDocument(const TubeDocument &) = delete;
    TubeDocument &operator=(const TubeDocument &) = delete;

    const FormValue &value() const { return m_value; }
    QUndoStack *stack() const { return m_stack.get(); }
    void onShow(Show show) { m_show = std::move(show); }

    // The form has been filled outside any step: the next one starts here.
    void startFrom(const FormValue &value) { m_value = value; }
    // An edit already made: one step to `after`, unless nothing changed.
    void record(const QString &text, const FormValue &after);
    // One edit of one field, everything it sets off included, as one step;
    // the step's text may name the value the edit ends with.
    using Describe = std::function<QString(const FormValue &after)>;
    TubeEdit::Outcome edit(TubeField field, const TubeValue &value, const Describe &describe);
    TubeEdit::Outcome edit(TubeField field, const TubeValue &value, const QString &text);
    // The whole tube (and maybe the file) replaced as one step, unless the
    // replacement changed nothing.
    void replace(const QString &text, const DocumentState &before, const DocumentState &after);

private:
    class Step;
    void show(const DocumentState &state);
    TubeEdit::Outcome apply(TubeField field, const TubeValue &value);

    FormValue m_value;
    // The form holding m_value as the last edit left it, when it does: the
    // next edit of a field that takes part goes on from it rather than
    // putting the whole tube in again.
    std::optional<FormReplay> m_form;
    std::unique_ptr<QUndoStack> m_stack;
    Show m_show;
};
