#include "ReadNote.h"

#include "Cascade.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Up to three texts, and how many more there are.
QString someOf(const QStringList &texts)
{
    const qsizetype more = texts.size() - 3;
    return texts.mid(0, 3).join(u", "_s) +
           (more > 0 ? ReadNote::tr(" a další (%1)").arg(more) : QString());
}

} // namespace

QString ReadNote::taken(const ImportedRule &imported, QStringView text)
{
    QStringList note{tr("Převzato deklarací: %1.").arg(imported.declarationCount)};
    if (!imported.overridden.isEmpty())
        note << tr("Přepsáno: %1.").arg(someOf(imported.overridden));
    if (!imported.overriddenByShorthand.isEmpty())
        note << tr("Vynecháno, přepíše je sdružená vlastnost: %1.")
                    .arg(someOf(imported.overriddenByShorthand));
    if (!imported.keptNames.isEmpty())
        note << tr("Neznámé vlastnosti ponechány: %1.").arg(someOf(imported.keptNames));
    if (imported.keptOther > 0)
        note << tr("Ponecháno jiných částí: %1.").arg(imported.keptOther);
    if (imported.fallbacks > 0)
        note << tr("Ponecháno záložních deklarací: %1.").arg(imported.fallbacks);
    if (imported.keepsReadOrder)
        note << tr("Některé deklarace zůstávají v pořadí textu, aby platilo totéž.");
    if (imported.commentsLeftOut > 0)
        note << tr("Vynecháno komentářů: %1, první %2.")
                    .arg(imported.commentsLeftOut)
                    .arg(place(text, imported.firstCommentLeftOut));
    if (imported.closedAtEnd)
        note << tr("Text končí uvnitř pravidla: uzavřeno na konci.");
    if (imported.switchTurnedOff)
        note << tr("Volba „Zapisovat pouze změněné vlastnosti“ vypnuta: pravidlo uvádí "
                   "výchozí hodnoty.");
    return note.join(u' ');
}

QString ReadNote::unreadable(const ReadRule &read, QStringView text)
{
    return tr("Pravidlo nelze načíst: %1 %2. Text zůstává, jak je napsán.")
        .arg(Css::faultText(read.error), place(text, read.errorAt));
}

QString ReadNote::place(QStringView text, qsizetype at)
{
    at = std::clamp<qsizetype>(at, 0, text.size());
    const qsizetype lineStart = at == 0 ? 0 : text.lastIndexOf(u'\n', at - 1) + 1;
    return tr("(řádek %1, znak %2)").arg(text.first(at).count(u'\n') + 1).arg(at - lineStart + 1);
}
