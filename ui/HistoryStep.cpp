#include "HistoryStep.h"

HistoryStep::HistoryStep(EditorState before, EditorState after, int property, int typingRun,
                         Restore restore)
    : m_before(std::move(before))
    , m_after(std::move(after))
    , m_property(property)
    , m_typingRun(typingRun)
    , m_restore(std::move(restore))
{
}

void HistoryStep::undo()
{
    m_restore(m_before, m_property);
    m_done = false;
}

void HistoryStep::redo()
{
    if (!m_done)
        m_restore(m_after, m_property);
    m_done = true;
}

bool HistoryStep::mergeWith(const QUndoCommand *other)
{
    const auto *const next = static_cast<const HistoryStep *>(other);
    if (next->m_typingRun != m_typingRun || next->m_property != m_property)
        return false;
    m_after = next->m_after;
    setObsolete(m_after == m_before); // typed and taken back: no step at all
    return true;
}
