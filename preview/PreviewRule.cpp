#include "PreviewRule.h"

#include "RuleReader.h"
#include "RuleWriter.h"

using namespace Qt::StringLiterals;

PreviewRule PreviewRule::of(const RuleLines &lines)
{
    PreviewRule rule{lines.selector(), {}, {}};
    for (const RuleLines::Line &written : lines.written()) {
        if (written.property == 0) {
            for (const DeclarationPiece &piece : readRule(lines.kept()[written.kept]).pieces)
                rule.add(piece);
            continue;
        }
        // "name: value;", the name one of the catalogue's, which has no colon.
        const QString &line = lines.declarations()[std::size_t(written.property - 1)];
        const qsizetype colon = line.indexOf(u": "_s);
        rule.declarations.append({line.first(colon), line.sliced(colon + 2).chopped(1)});
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
