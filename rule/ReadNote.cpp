#include "ReadNote.h"

#include "Cascade.h"

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

QString ReadNote::taken(const ImportedRule &imported)
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
    if (imported.switchTurnedOff)
        note << tr("Volba „Zapisovat pouze změněné vlastnosti“ vypnuta: pravidlo uvádí "
                   "výchozí hodnoty.");
    return note.join(u' ');
}

QString ReadNote::unreadable(const ReadRule &read, QStringView text)
{
    const qsizetype lineStart =
        read.errorAt == 0 ? 0 : text.lastIndexOf(u'\n', read.errorAt - 1) + 1;
    return tr("Pravidlo nelze načíst: %1 (řádek %2, znak %3). Text zůstává, jak je napsán.")
        .arg(Css::faultText(read.error))
        .arg(text.first(read.errorAt).count(u'\n') + 1)
        .arg(read.errorAt - lineStart + 1);
}
