// libFuzzer harness for reading a rule back from the pane. The bytes are read as UTF-16, so
// NULs and lone surrogates occur. A fault must be reported at a character of its kind. A
// text that reads is applied and built as the window does; that rule must read again, and
// after one such round the rule must stay the same (the first may still lower-case and trim).
#include "RuleBuilder.h"
#include "RuleImport.h"

#include <cstdlib>
#include <cstring>

namespace {

QString rebuilt(const QString &text)
{
    const ReadRule read = readRule(text);
    if (read.error != ReadRule::Error::None) {
        static const QStringView kinds[] = {u"", u"/", u"\"'\\", u"([", u"{", u"{", u"", u"}"};
        const QChar c = read.errorAt >= 0 && read.errorAt < text.size() ? text[read.errorAt] : u' ';
        if (read.error == ReadRule::Error::TextAfterRule ? QStringView(u" \t\n\r\f").contains(c)
                                                         : !kinds[int(read.error)].contains(c))
            std::abort();
        return {};
    }
    const ImportedRule imported = importRule(read, Catalogue(), true);
    return ruleText(imported.selector.value_or(QString()), imported.onlyChanged,
                    imported.catalogue);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    const QString once = rebuilt(text);
    const QString twice = once.isNull() ? once : rebuilt(once);
    if (!once.isNull() && (twice.isNull() || rebuilt(twice) != twice))
        std::abort();
    return 0;
}
