// libFuzzer harness for readRule. The bytes are read as UTF-16, so NULs and lone surrogates
// occur. An error must point at a character of its kind; a rule read without error, written
// out the way the program writes it and read again, must give the same selector and pieces.
#include "RuleReader.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    const ReadRule rule = readRule(text);
    using E = ReadRule::Error;
    if (rule.error != E::None) {
        static const QStringView kinds[] = {u"", u"/", u"\"'\\", u"([", u"{", u"{", u"", u"}"};
        const qsizetype at = rule.errorAt;
        const QChar c = at >= 0 && at < text.size() ? text[at] : QChar(u' ');
        if (rule.error == E::TextAfterRule ? QStringView(u" \t\n\r\f").contains(c)
                                           : !kinds[int(rule.error)].contains(c))
            std::abort();
        return 0;
    }
    QString written = rule.hasSelector ? rule.selector + QStringLiteral(" {") : QString();
    for (const DeclarationPiece &piece : rule.pieces)
        written += QStringLiteral("\n  ") + piece.text + u';';
    const ReadRule again = readRule(rule.hasSelector ? written + QStringLiteral("\n}") : written);
    if (again.error != E::None || again.hasSelector != rule.hasSelector ||
        again.selector != rule.selector || again.pieces.size() != rule.pieces.size())
        std::abort();
    for (qsizetype i = 0; i < rule.pieces.size(); ++i) {
        const DeclarationPiece &a = rule.pieces[i];
        const DeclarationPiece &b = again.pieces[i];
        if (a.text.isEmpty() || a.text != b.text || a.name != b.name || a.value != b.value)
            std::abort();
    }
    return 0;
}
