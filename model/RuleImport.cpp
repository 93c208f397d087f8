#include "RuleImport.h"

#include "TextNormal.h"

#include <QSet>

ImportedRule importRule(const ReadRule &read, const Catalogue &current, bool onlyChanged)
{
    ImportedRule result{current, onlyChanged, std::nullopt, 0, {}, 0, false};
    if (read.hasSelector)
        result.selector = read.selector;
    Catalogue &c = result.catalogue;
    c.resetValues();
    QSet<int> named;
    QStringList kept;
    for (const DeclarationPiece &piece : read.pieces) {
        const int index = piece.isDeclaration() ? Property::indexOf(piece.name) : 0;
        if (index == 0) {
            kept += piece.text;
            if (piece.isDeclaration())
                result.keptNames += piece.name;
            else
                ++result.keptOther;
            continue;
        }
        c.setValue(index, piece.value);
        c.setIncluded(index, true);
        named.insert(index);
        ++result.declarationCount;
    }
    c.setKeptDeclarations(kept);
    for (const int index : named) {
        if (onlyChanged &&
            lowerTrimmed(c.value(index)) == lowerTrimmed(Property::at(index).defaultValue)) {
            result.onlyChanged = false;
            result.switchTurnedOff = true;
        }
    }
    if (!result.onlyChanged) {
        for (const int i : Property::indices())
            c.setIncluded(i, named.contains(i));
    }
    return result;
}
