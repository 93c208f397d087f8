// libFuzzer harness for reading a rule back from the pane. The bytes are read as UTF-16, so
// NULs and lone surrogates occur. A fault must be reported at a character of its kind. A
// text that reads is applied and built as the window does; that rule must have CR LF line
// breaks only, read again, and after one such round stay the same (the first round may
// still lower-case, trim and drop what is overridden).
#include "Cascade.h"
#include "RuleWriter.h"

#include <cstdlib>
#include <cstring>

namespace {

// Whether the fault is reported at a character that can cause it.
bool placed(Css::Fault error, QChar c)
{
    const char16_t u = c.unicode();
    switch (error) {
    case Css::Fault::None:
        return true;
    case Css::Fault::UnclosedComment:
        return u == u'/';
    case Css::Fault::UnclosedString:
    case Css::Fault::BadString:
        return u == u'"' || u == u'\'';
    case Css::Fault::StrayBackslash:
        return u == u'\\';
    case Css::Fault::UnclosedBracket: // a bracket, or the name of a function
        return u == u'(' || u == u'[' || u == u'-' || u == u'_' || u == u'\\' || u >= 0x80 ||
               u == 0 || c.isLetter();
    case Css::Fault::BadUrl: // the value check's, not the reader's
        return false;
    case Css::Fault::AtRule:
        return u == u'@';
    case Css::Fault::StrayClosingBrace:
        return u == u'}';
    case Css::Fault::TextAfterRule:
        return !QStringView(u" \t\n\r\f").contains(c);
    case Css::Fault::DeclarationsBeforeBlock:
        return true; // a ";" or where the declarations start
    }
    return false;
}

QString rebuilt(const QString &text)
{
    const ReadRule read = readRule(text);
    if (read.error != Css::Fault::None) {
        if (read.errorAt < 0 || read.errorAt >= text.size() ||
            !placed(read.error, text[read.errorAt]))
            std::abort();
        return {};
    }
    const QString rule = ruleText(importRule(read, RuleState()).state);
    const qsizetype lineBreaks = rule.count(u"\r\n");
    if (rule.count(u'\n') != lineBreaks || rule.count(u'\r') != lineBreaks)
        std::abort();
    return rule;
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
