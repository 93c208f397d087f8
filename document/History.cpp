#include "History.h"

#include "TextNormal.h"

#include <utility>

namespace {

template <class T> struct Change {
    T before;
    T after;
};

qsizetype bytes(const QString &text)
{
    return text.size() * qsizetype(sizeof(QChar));
}

qsizetype bytes(const QList<KeptPiece> &pieces)
{
    qsizetype sum = 0;
    for (const KeptPiece &piece : pieces)
        sum += bytes(piece.text);
    return sum;
}

} // namespace

struct History::Step {
    struct PropertyChange {
        int property;
        Change<QString> value;
        Change<bool> included;
    };
    QList<PropertyChange> properties;
    std::optional<Change<QString>> selector;
    std::optional<Change<bool>> onlyChanged;
    std::optional<Change<QList<KeptPiece>>> kept;
    std::optional<Change<std::array<int, PropertyCount>>> ranks;
    int property = 0;
    int typingRun = 0;

    Step(const RuleState &before, const RuleState &after)
    {
        for (const int i : Property::indices()) {
            const QString &from = before.values.value(i);
            const QString &to = after.values.value(i);
            const bool wasIn = before.values.isIncluded(i);
            const bool isIn = after.values.isIncluded(i);
            if (!sameText(from, to) || wasIn != isIn)
                properties.append({i, {from, to}, {wasIn, isIn}});
        }
        if (!sameText(before.selector, after.selector))
            selector = {before.selector, after.selector};
        if (before.onlyChanged != after.onlyChanged)
            onlyChanged = {before.onlyChanged, after.onlyChanged};
        if (before.kept != after.kept)
            kept = {before.kept, after.kept};
        if (before.ranks != after.ranks)
            ranks = {before.ranks, after.ranks};
    }

    [[nodiscard]] bool isEmpty() const
    {
        return properties.isEmpty() && !selector && !onlyChanged && !kept && !ranks;
    }

    [[nodiscard]] qsizetype textBytes() const
    {
        qsizetype sum = 0;
        for (const PropertyChange &change : properties)
            sum += bytes(change.value.before) + bytes(change.value.after);
        if (selector)
            sum += bytes(selector->before) + bytes(selector->after);
        if (kept)
            sum += bytes(kept->before) + bytes(kept->after);
        return sum;
    }

    // Sets `state` to the step's state before it (back) or after it.
    void apply(RuleState &state, bool back) const
    {
        for (const PropertyChange &change : properties) {
            state.values.setValue(change.property, back ? change.value.before : change.value.after);
            state.values.setIncluded(change.property,
                                     back ? change.included.before : change.included.after);
        }
        if (selector)
            state.selector = back ? selector->before : selector->after;
        if (onlyChanged)
            state.onlyChanged = back ? onlyChanged->before : onlyChanged->after;
        if (kept)
            state.kept = back ? kept->before : kept->after;
        if (ranks)
            state.ranks = back ? ranks->before : ranks->after;
    }

    // Folds the next keystroke of the same run into this step.
    void fold(const Step &next)
    {
        for (const PropertyChange &change : next.properties) {
            auto mine = std::find_if(
                properties.begin(), properties.end(), [&change](const PropertyChange &p) {
                    return p.property == change.property;
                });
            if (mine == properties.end()) {
                properties.append(change);
            } else {
                mine->value.after = change.value.after;
                mine->included.after = change.included.after;
                if (sameText(mine->value.before, mine->value.after) &&
                    mine->included.before == mine->included.after)
                    properties.erase(mine);
            }
        }
        if (next.selector) {
            if (selector)
                selector->after = next.selector->after;
            else
                selector = next.selector;
            if (sameText(selector->before, selector->after))
                selector.reset();
        }
    }
};

History::History(QObject *parent)
    : QObject(parent)
{
}

History::~History() = default;

bool History::canRedo() const
{
    return m_done < m_steps.size();
}

qsizetype History::stepCount() const
{
    return qsizetype(m_steps.size());
}

void History::record(const RuleState &before, const RuleState &after, int property, int typingRun)
{
    Step step(before, after);
    if (step.isEmpty())
        return;
    const bool couldUndo = canUndo();
    const bool couldRedo = canRedo();
    // What was undone can no longer be redone.
    while (m_steps.size() > m_done) {
        m_textBytes -= m_steps.back().textBytes();
        m_steps.pop_back();
    }
    Step *const last = m_steps.empty() ? nullptr : &m_steps.back();
    if (typingRun != 0 && last && last->typingRun == typingRun && last->property == property &&
        !step.onlyChanged && !step.kept && !step.ranks) {
        m_textBytes -= last->textBytes();
        last->fold(step);
        if (last->isEmpty()) { // typed and taken back: no step at all
            m_steps.pop_back();
        } else {
            m_textBytes += last->textBytes();
        }
    } else {
        step.property = property;
        step.typingRun = typingRun;
        m_textBytes += step.textBytes();
        m_steps.push_back(std::move(step));
    }
    while (m_steps.size() > std::size_t(MaxSteps) ||
           (m_textBytes > MaxTextBytes && m_steps.size() > 1)) {
        m_textBytes -= m_steps.front().textBytes();
        m_steps.pop_front();
    }
    m_done = m_steps.size();
    changed(couldUndo, couldRedo);
}

std::optional<int> History::undo(RuleState &state)
{
    if (!canUndo())
        return std::nullopt;
    const bool couldRedo = canRedo();
    const Step &step = m_steps[--m_done];
    step.apply(state, true);
    changed(true, couldRedo);
    return step.property;
}

std::optional<int> History::redo(RuleState &state)
{
    if (!canRedo())
        return std::nullopt;
    const bool couldUndo = canUndo();
    const Step &step = m_steps[m_done++];
    step.apply(state, false);
    changed(couldUndo, false);
    return step.property;
}

void History::changed(bool couldUndo, bool couldRedo)
{
    if (canUndo() != couldUndo)
        Q_EMIT canUndoChanged(canUndo());
    if (canRedo() != couldRedo)
        Q_EMIT canRedoChanged(canRedo());
}
