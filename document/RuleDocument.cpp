#include "RuleDocument.h"

#include "Cascade.h"
#include "Composer.h"
#include "History.h"
#include "ReadNote.h"
#include "RuleContext.h"
#include "RuleReader.h"
#include "TextNormal.h"
#include "TodayCss.h"

#include <algorithm>

RuleDocument::RuleDocument(QObject *parent)
    : QObject(parent)
    , m_history(new History(this))
{
    m_lines.update(m_state);
    connect(m_history, &History::canUndoChanged, this, &RuleDocument::canUndoChanged);
    connect(m_history, &History::canRedoChanged, this, &RuleDocument::canRedoChanged);
}

RuleDocument::~RuleDocument() = default;

namespace {

// Baseline of the value when it is one keyword the data knows, else of the property.
QString supportOf(int property, const QString &value)
{
    const QString name = Property::at(property).name.toLower();
    const QString word = value.trimmed().toLower();
    const bool keyword =
        !word.isEmpty() && word.size() <= 64 && std::all_of(word.begin(), word.end(), [](QChar c) {
            return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-';
        });
    const QString ofValue = keyword ? TodayCss::instance().support(name + u' ' + word) : QString();
    return ofValue.isEmpty() ? TodayCss::instance().support(name) : ofValue;
}

} // namespace

const ValueVerdict &RuleDocument::valueVerdict(int property) const
{
    const QString &value = m_state.values.value(property);
    auto &[checked, cached] = m_verdicts[std::size_t(property - 1)];
    if (checked.isNull() || !isSharedText(checked, value)) {
        checked = value;
        cached = checkValue(property, value);
        cached.support = supportOf(property, value);
    }
    return cached;
}

ValueVerdict RuleDocument::verdict(int property) const
{
    using Kind = ValueVerdict::Kind;
    ValueVerdict verdict = valueVerdict(property);
    const auto &declarations = m_lines.declarations();
    if ((verdict.kind != Kind::Valid && verdict.kind != Kind::Later) ||
        declarations[std::size_t(property - 1)].isNull())
        return verdict;
    // A value a browser drops is as if the rule did not declare it.
    const RuleContext context = RuleContext::of(m_state.selector, [&](QStringView name) {
        const int i = Property::indexOf(name);
        const Kind kind = valueVerdict(i).kind;
        return declarations[std::size_t(i - 1)].isNull() ||
                       (kind != Kind::Valid && kind != Kind::Later)
                   ? QString()
                   : m_state.values.value(i);
    });
    const QString why = context.noEffect(Property::at(property).name.toLower());
    if (!why.isEmpty()) {
        verdict.kind = Kind::NoEffect;
        verdict.reason =
            verdict.reason.isEmpty() ? why : why + QStringLiteral("; ") + verdict.reason;
    }
    return verdict;
}

bool RuleDocument::canUndo() const
{
    return m_history->canUndo();
}

bool RuleDocument::canRedo() const
{
    return m_history->canRedo();
}

void RuleDocument::setValue(int property, const QString &value, Edit edit)
{
    if (value == QStringView(ComposeItem)) {
        compose(property);
        return;
    }
    if (value == m_state.values.value(property))
        return; // a pick of the value stored
    const RuleState before = m_state;
    m_state.values.setValue(property, value);
    changed(before, property, edit);
}

void RuleDocument::setIncluded(int property, bool included)
{
    const RuleState before = m_state;
    m_state.values.setIncluded(property, included);
    changed(before, property, Edit::Other);
}

void RuleDocument::setSelector(const QString &selector, Edit edit)
{
    if (selector == m_state.selector)
        return;
    const RuleState before = m_state;
    m_state.selector = selector;
    changed(before, 0, edit);
}

void RuleDocument::setOnlyChanged(bool onlyChanged)
{
    const RuleState before = m_state;
    m_state.onlyChanged = onlyChanged;
    changed(before, 0, Edit::Other);
}

void RuleDocument::selectCssLevel(CssLevel level)
{
    const RuleState before = m_state;
    m_state.values.selectCssLevel(level);
    changed(before, 0, Edit::Other);
}

void RuleDocument::resetValues()
{
    const RuleState before = m_state;
    m_state.values.resetValues();
    changed(before, 0, Edit::Other);
}

void RuleDocument::compose(int shorthand)
{
    const RuleState before = m_state;
    composeShorthand(m_state.values, shorthand);
    changed(before, shorthand, Edit::Other);
}

bool RuleDocument::read(const QString &text)
{
    const ReadRule read = readRule(text);
    if (read.error != Css::Fault::None) {
        setNote(ReadNote::unreadable(read, text));
        return false;
    }
    take(read, text);
    return true;
}

bool RuleDocument::readIfRule(const QString &text)
{
    const ReadRule read = readRule(text);
    if (!readsAsRule(read))
        return false;
    take(read, text);
    return true;
}

void RuleDocument::take(const ReadRule &read, const QString &text)
{
    ImportedRule imported = importRule(read, m_state);
    const bool differs = !(imported.state == m_state);
    const RuleState before = m_state;
    m_state = imported.state;
    changed(before, 0, Edit::Other);
    imported.keepsReadOrder = m_lines.keepsReadOrder();
    setNote(differs || imported.closedAtEnd || imported.commentsLeftOut > 0
                ? ReadNote::taken(imported, text)
                : QString());
}

void RuleDocument::undo()
{
    const RuleState before = m_state;
    if (const std::optional<int> property = m_history->undo(m_state)) {
        changed(before, *property, Edit::Other, false);
        Q_EMIT restored(*property);
    }
}

void RuleDocument::redo()
{
    const RuleState before = m_state;
    if (const std::optional<int> property = m_history->redo(m_state)) {
        changed(before, *property, Edit::Other, false);
        Q_EMIT restored(*property);
    }
}

void RuleDocument::endTypingRun()
{
    ++m_typingRun;
}

void RuleDocument::setDraftPending(bool pending)
{
    m_draftPending = pending;
}

void RuleDocument::changed(const RuleState &before, int property, Edit edit, bool record)
{
    m_lines.update(m_state);
    if (record)
        m_history->record(before, m_state, property, edit == Edit::Typing ? m_typingRun : 0);
    else
        ++m_typingRun; // typing after an undo or redo is a step of its own
    if (!m_draftPending)
        setNote({});
    for (const int i : Property::indices()) {
        if (!sameText(before.values.value(i), m_state.values.value(i)) ||
            before.values.isIncluded(i) != m_state.values.isIncluded(i))
            Q_EMIT propertyChanged(i);
    }
    if (!sameText(before.selector, m_state.selector))
        Q_EMIT selectorChanged(m_state.selector);
    if (before.onlyChanged != m_state.onlyChanged)
        Q_EMIT onlyChangedChanged(m_state.onlyChanged);
    Q_EMIT linesChanged();
}

void RuleDocument::setNote(const QString &note)
{
    if (note == m_note)
        return;
    m_note = note;
    Q_EMIT noteChanged(m_note);
}
