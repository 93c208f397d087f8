#include "CssFault.h"

#include <QCoreApplication>

namespace Css {

QString faultText(Fault fault)
{
    const auto text = [](const char *czech) { return QCoreApplication::translate("Fault", czech); };
    switch (fault) {
    case Fault::None:
        break;
    case Fault::UnclosedComment:
        return text(QT_TRANSLATE_NOOP("Fault", "neuzavřený komentář"));
    case Fault::UnclosedString:
        return text(QT_TRANSLATE_NOOP("Fault", "neuzavřený řetězec"));
    case Fault::BadString:
        return text(QT_TRANSLATE_NOOP("Fault", "řetězec přerušený koncem řádku"));
    case Fault::StrayBackslash:
        return text(QT_TRANSLATE_NOOP("Fault", "zpětné lomítko, které nic neuvozuje"));
    case Fault::UnclosedBracket:
        return text(QT_TRANSLATE_NOOP("Fault", "neuzavřená závorka"));
    case Fault::BadUrl:
        return text(QT_TRANSLATE_NOOP("Fault", "chybně zapsaná adresa url()"));
    case Fault::AtRule:
        return text(QT_TRANSLATE_NOOP(
            "Fault", "pravidlo se zavináčem (@media, @page…) místo pravidla stylu"));
    case Fault::TextAfterRule:
        return text(QT_TRANSLATE_NOOP("Fault", "text za koncem pravidla"));
    case Fault::StrayClosingBrace:
        return text(QT_TRANSLATE_NOOP("Fault", "závorka } bez otevírací {"));
    case Fault::DeclarationsBeforeBlock:
        return text(QT_TRANSLATE_NOOP("Fault", "před { stojí deklarace, ne selektor"));
    }
    return {};
}

} // namespace Css
