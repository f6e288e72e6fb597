#include "undo_commands.h"

#include <utility>

FormStepCommand::FormStepCommand(const QString &text, FormStep before, FormStep after, Show show)
    : m_before(std::move(before))
    , m_after(std::move(after))
    , m_show(std::move(show))
{
    setText(text);
}

void FormStepCommand::undo()
{
    m_show(m_before);
    m_done = false;
}

void FormStepCommand::redo()
{
    if (!m_done)
        m_show(m_after);
    m_done = true;
}
