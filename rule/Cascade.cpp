#include "Cascade.h"

#include "TextNormal.h"

#include <array>

namespace {

// The catalogue's index of a name read as CSS reads names: only ASCII letters fold.
int indexOfKey(const QString &key)
{
    for (const QChar c : key) {
        if (c.unicode() >= 0x80)
            return 0;
    }
    return Property::indexOf(key);
}

struct Winner {
    int piece = -1; // in the read pieces
    bool important = false;
};

} // namespace

ImportedRule importRule(const ReadRule &read, const RuleState &current)
{
    ImportedRule result{current, 0, {}, 0, {}, {}, false};
    const bool onlyChanged = current.onlyChanged;
    if (read.hasSelector)
        result.state.selector = read.selector;
    // The cascade within one rule: a later declaration wins, unless an earlier one is
    // !important and it is not.
    std::array<Winner, PropertyCount> winners;
    QList<bool> lost(read.pieces.size(), false);
    QStringList kept;
    for (int n = 0; n < read.pieces.size(); ++n) {
        const DeclarationPiece &piece = read.pieces[n];
        const int index = piece.isDeclaration() ? indexOfKey(piece.key) : 0;
        if (index == 0) {
            kept += piece.text;
            if (piece.isDeclaration())
                result.keptNames += piece.name;
            else
                ++result.keptOther;
            continue;
        }
        Winner &winner = winners[std::size_t(index - 1)];
        if (winner.piece >= 0 && winner.important && !piece.important) {
            lost[n] = true;
            continue;
        }
        if (winner.piece >= 0)
            lost[winner.piece] = true;
        winner = {n, piece.important};
    }
    // A shorthand is written before the properties it sets, so one of them it overrides in
    // the text would win in the rule: it is left out.
    std::array<bool, PropertyCount> overriddenByShorthand{};
    for (const int s : Property::indices()) {
        const Winner &shorthand = winners[std::size_t(s - 1)];
        if (shorthand.piece < 0 || !Property::at(s).isShorthand())
            continue;
        const QList<int> &set = Property::longhands(s);
        for (const int p : Property::indices()) {
            const Winner &part = winners[std::size_t(p - 1)];
            if (p == s || part.piece < 0)
                continue;
            const QList<int> &partSet = Property::longhands(p);
            const bool inside = std::all_of(
                partSet.cbegin(), partSet.cend(), [&set](int l) { return set.contains(l); });
            const bool beaten = shorthand.important == part.important ? shorthand.piece > part.piece
                                                                      : shorthand.important;
            if (inside && beaten)
                overriddenByShorthand[std::size_t(p - 1)] = true;
        }
    }
    PropertyValues &c = result.state.values;
    c.resetValues();
    std::array<bool, PropertyCount> named{};
    for (const int index : Property::indices()) {
        const Winner &winner = winners[std::size_t(index - 1)];
        if (winner.piece < 0)
            continue;
        if (overriddenByShorthand[std::size_t(index - 1)]) {
            lost[winner.piece] = true;
            continue;
        }
        c.setValue(index, read.pieces[winner.piece].value);
        c.setIncluded(index, true);
        named[std::size_t(index - 1)] = true;
        ++result.declarationCount;
        if (onlyChanged && sameLowerTrimmed(c.value(index), Property::at(index).defaultValue)) {
            result.state.onlyChanged = false;
            result.switchTurnedOff = true;
        }
    }
    for (int n = 0; n < read.pieces.size(); ++n) {
        if (!lost[n])
            continue;
        // The winner of its property lost only to a shorthand.
        const DeclarationPiece &piece = read.pieces[n];
        const bool toShorthand = winners[std::size_t(indexOfKey(piece.key) - 1)].piece == n;
        (toShorthand ? result.overriddenByShorthand : result.overridden) += piece.text;
    }
    result.state.kept = kept;
    if (!result.state.onlyChanged) {
        for (const int i : Property::indices())
            c.setIncluded(i, named[std::size_t(i - 1)]);
    }
    return result;
}
