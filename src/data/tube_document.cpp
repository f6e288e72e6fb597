#include "tube_document.h"
#include "form_replay.h"

#include <QUndoStack>
#include <algorithm>

FormValue FormValue::withTube(const Tube &newTube) const
{
    FormValue value{newTube, pinLines};
    const int pins = std::min(TubeForm::pinCount(newTube), int(value.pinLines.size()));
    for (int pin = 1; pin <= pins; ++pin)
        value.pinLines[std::size_t(pin - 1)] = TubeForm::pinLine(newTube, pin);
    return value;
}

FormValue freshFormValue()
{
    return FormValue{}.withTube(freshTube());
}

// The edit has happened when the step is pushed: the first redo, which
// QUndoStack::push runs, shows nothing.
class TubeDocument::Step : public QUndoCommand
{
public:
    Step(TubeDocument *document, const QString &text, DocumentState before, DocumentState after)
        : m_document(document)
        , m_before(std::move(before))
        , m_after(std::move(after))
    {
        setText(text);
    }

    void undo() override
    {
        m_document->show(m_before);
        m_done = false;
    }

    void redo() override
    {
        if (!m_done)
            m_document->show(m_after);
        m_done = true;
    }

private:
    TubeDocument *m_document;
    DocumentState m_before;
    DocumentState m_after;
    bool m_done = true;
};

TubeDocument::TubeDocument(const FormValue &start)
    : m_value(start)
    , m_stack(std::make_unique<QUndoStack>())
{ }

TubeDocument::~TubeDocument()
{
    // Clearing the steps must tell nobody anything.
    m_stack->blockSignals(true);
}

void TubeDocument::record(const QString &text, const FormValue &after)
{
    if (after == m_value)
        return;
    DocumentState before{m_value, std::nullopt};
    m_value = after;
    m_stack->push(new Step(this, text, std::move(before), DocumentState{after, std::nullopt}));
}

TubeEdit::Outcome TubeDocument::edit(TubeField field, const TubeValue &value,
                                     const Describe &describe)
{
    TubeEdit::Outcome outcome = apply(field, value);
    const FormValue after = m_value.withTube(outcome.tube);
    if (after != m_value)
        record(describe(after), after);
    return outcome;
}

// As TubeEdit::apply, which puts the whole tube into a fresh form first; a
// field that is switched off (a pin past the socket, a block the tube type
// has off) goes that way, as what it sets depends on more than the values.
TubeEdit::Outcome TubeDocument::apply(TubeField field, const TubeValue &value)
{
    const Tube &tube = m_value.tube;
    if (!TubeForm::isFieldOn(tube, field)) {
        m_form.reset();
        return TubeEdit::apply(tube, field, value);
    }
    if (!m_form || m_form->tube() != tube)
        m_form = FormReplay::holding(tube);
    m_form->set(field, value);
    return TubeEdit::compare(tube, m_form->tube(), field);
}

TubeEdit::Outcome TubeDocument::edit(TubeField field, const TubeValue &value, const QString &text)
{
    return edit(field, value, [&text](const FormValue &) { return text; });
}

void TubeDocument::replace(const QString &text, const DocumentState &before,
                           const DocumentState &after)
{
    m_value = after.form;
    if (!(after == before))
        m_stack->push(new Step(this, text, before, after));
}

void TubeDocument::show(const DocumentState &state)
{
    m_value = state.form;
    if (m_show)
        m_show(state);
}
