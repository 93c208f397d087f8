#include "Cascade.h"

#include "CssTokenizer.h"
#include "DeclarationCheck.h"
#include "Longhands.h"
#include "TextNormal.h"

#include <QHash>

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

// A vendor prefix in a value ("-webkit-box", "-moz-linear-gradient(…)"), which only some
// browsers take: such a declaration is a fallback of another of its property.
bool hasVendorPrefix(QStringView value)
{
    CssTokenizer tokens(value);
    for (CssToken token = tokens.next(); token.type != CssToken::Type::End; token = tokens.next()) {
        if (token.type != CssToken::Type::Ident && token.type != CssToken::Type::Function)
            continue;
        const QStringView name = value.sliced(token.begin, token.size());
        if (name.size() > 2 && name[0] == u'-' && name[1] != u'-' && name.indexOf(u'-', 1) > 1)
            return true;
    }
    return false;
}

// What the cascade knows of one catalogue declaration.
struct Candidate {
    int piece;
    bool important;
    bool valid;
    bool prefixed;
};

// What happens to a declaration of the catalogue's.
enum class Fate { Wins, Fallback, Loses, Overridden };

} // namespace

ImportedRule importRule(const ReadRule &read, const RuleState &current)
{
    ImportedRule result;
    result.state = current;
    result.closedAtEnd = read.closedAtEnd;
    result.commentsLeftOut = read.droppedComments;
    result.firstCommentLeftOut = read.firstDroppedComment;
    const bool onlyChanged = current.onlyChanged;
    if (read.hasSelector)
        result.state.selector = read.selector;
    // Whether a browser keeps a declaration, found once for each name and value: a rule
    // repeats them (half of a 1 MB minified rule's were found again).
    QHash<QString, bool> accepted;
    const auto accepts = [&accepted](const DeclarationPiece &piece) {
        const QString key = piece.key + u':' + piece.value;
        const auto found = accepted.constFind(key);
        return found != accepted.cend()
                   ? *found
                   : *accepted.insert(key, browserAccepts(piece.key, piece.value));
    };
    // What a kept declaration sets, for its place among the others.
    const auto kept = [&](const DeclarationPiece &piece, int rank, int fallbackOf) {
        KeptPiece made{piece.text, rank, fallbackOf, piece.important, {}};
        if (piece.isDeclaration() && !piece.isRule && accepts(piece))
            made.longhands = longhands::of(piece.key);
        return made;
    };
    // Each catalogue property's declarations, in order.
    std::array<QList<Candidate>, PropertyCount> declared;
    QList<int> propertyOf(read.pieces.size(), 0);
    for (int n = 0; n < read.pieces.size(); ++n) {
        const DeclarationPiece &piece = read.pieces[n];
        const int index = piece.isDeclaration() && !piece.isRule ? indexOfKey(piece.key) : 0;
        propertyOf[n] = index;
        if (index > 0)
            declared[std::size_t(index - 1)].append(
                {n, piece.important, accepts(piece), hasVendorPrefix(piece.value)});
    }
    // The winner: the last valid one, unless an earlier valid one is !important; with none
    // valid, the same among all.
    std::array<int, PropertyCount> winner; // a piece, or -1
    winner.fill(-1);
    QList<Fate> fate(read.pieces.size(), Fate::Loses);
    for (const int i : Property::indices()) {
        const QList<Candidate> &all = declared[std::size_t(i - 1)];
        if (all.isEmpty())
            continue;
        const bool anyValid =
            std::any_of(all.cbegin(), all.cend(), [](const Candidate &c) { return c.valid; });
        const Candidate *won = nullptr;
        for (const Candidate &c : all) {
            if ((c.valid || !anyValid) && (won == nullptr || !won->important || c.important))
                won = &c;
        }
        winner[std::size_t(i - 1)] = won->piece;
        for (const Candidate &c : all)
            fate[c.piece] = &c == won                                              ? Fate::Wins
                            : c.valid != won->valid || c.prefixed != won->prefixed ? Fate::Fallback
                                                                                   : Fate::Loses;
    }
    // A valid shorthand is written before the properties it sets, so one of them it
    // overrides in the text would win in the rule: it is left out, fallbacks and all.
    const auto candidate = [&](int property) -> const Candidate * {
        const int piece = winner[std::size_t(property - 1)];
        for (const Candidate &c : declared[std::size_t(property - 1)])
            if (c.piece == piece)
                return &c;
        return nullptr;
    };
    std::array<bool, PropertyCount> overridden{};
    for (const int s : Property::indices()) {
        const Candidate *shorthand = candidate(s);
        if (shorthand == nullptr || !shorthand->valid || !Property::at(s).isShorthand())
            continue;
        const QList<int> &set = Property::longhands(s);
        for (const int p : Property::indices()) {
            const Candidate *part = candidate(p);
            if (p == s || part == nullptr)
                continue;
            const QList<int> &partSet = Property::longhands(p);
            const bool inside = std::all_of(
                partSet.cbegin(), partSet.cend(), [&set](int l) { return set.contains(l); });
            const bool beaten = shorthand->important == part->important
                                    ? shorthand->piece > part->piece
                                    : shorthand->important;
            if (inside && beaten)
                overridden[std::size_t(p - 1)] = true;
        }
    }
    PropertyValues &values = result.state.values;
    values.resetValues();
    result.state.ranks.fill(0);
    result.state.kept.clear();
    std::array<bool, PropertyCount> named{};
    // A piece's place in the text is its rank; a comment before a declaration's name comes
    // just before it.
    const auto rankOf = [](int piece) { return 2 * piece + 2; };
    for (int n = 0; n < read.pieces.size(); ++n) {
        const DeclarationPiece &piece = read.pieces[n];
        const int index = propertyOf[n];
        if (index == 0) {
            result.state.kept.append(kept(piece, rankOf(n), 0));
            if (piece.isDeclaration() && !piece.isRule)
                result.keptNames += piece.name;
            else
                ++result.keptOther;
            continue;
        }
        const std::size_t at = std::size_t(index - 1);
        if (overridden[at]) {
            result.overriddenByShorthand += piece.text;
            fate[n] = Fate::Overridden;
        } else if (fate[n] == Fate::Fallback) {
            result.state.kept.append(kept(piece, rankOf(n), index));
            ++result.fallbacks;
            continue;
        } else if (fate[n] == Fate::Loses) {
            result.overridden += piece.text;
        } else {
            values.setValue(index, piece.value);
            values.setIncluded(index, true);
            result.state.ranks[at] = rankOf(n);
            named[at] = true;
            ++result.declarationCount;
            if (onlyChanged && sameLowerTrimmed(piece.value, Property::at(index).defaultValue)) {
                result.state.onlyChanged = false;
                result.switchTurnedOff = true;
            }
        }
        // What stands around the declaration stays; what is inside its value goes.
        if (!piece.leading.isEmpty())
            result.state.kept.append({piece.leading, rankOf(n) - 1, 0, false, {}});
        if (piece.innerComments > 0 && fate[n] != Fate::Overridden && fate[n] != Fate::Loses) {
            if (result.firstCommentLeftOut < 0 ||
                piece.firstInnerComment < result.firstCommentLeftOut)
                result.firstCommentLeftOut = piece.firstInnerComment;
            result.commentsLeftOut += piece.innerComments;
        }
    }
    if (!result.state.onlyChanged) {
        for (const int i : Property::indices())
            values.setIncluded(i, named[std::size_t(i - 1)]);
    }
    return result;
}
