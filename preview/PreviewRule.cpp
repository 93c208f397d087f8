#include "PreviewRule.h"

#include "RuleReader.h"
#include "RuleWriter.h"

using namespace Qt::StringLiterals;

PreviewRule PreviewRule::of(const RuleLines &lines)
{
    PreviewRule rule{lines.selector(), {}, {}};
    for (const QString &line : lines.declarations()) {
        if (line.isNull())
            continue;
        // "name: value;", the name one of the catalogue's, which has no colon.
        const qsizetype colon = line.indexOf(u": "_s);
        rule.declarations.append({line.first(colon), line.sliced(colon + 2).chopped(1)});
    }
    for (const QString &kept : lines.kept()) {
        for (const DeclarationPiece &piece : readRule(kept).pieces)
            rule.add(piece);
    }
    return rule;
}

PreviewRule PreviewRule::read(QStringView text)
{
    const ReadRule read = readRule(text);
    if (read.error != Css::Fault::None)
        return {};
    PreviewRule rule{read.selector, {}, {}};
    for (const DeclarationPiece &piece : read.pieces)
        rule.add(piece);
    return rule;
}

void PreviewRule::add(const DeclarationPiece &piece)
{
    if (piece.isDeclaration())
        declarations.append({piece.key, piece.value});
    else
        others.append(piece.text);
}
