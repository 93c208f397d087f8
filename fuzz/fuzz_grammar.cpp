// libFuzzer harness for checking values. The first byte picks the property, the rest is
// the value read as UTF-16, so NULs and lone surrogates occur. A verdict must point inside
// the value and give a reason exactly when the value is not valid, and white space around
// the value may only shift where it points.
#include "Property.h"
#include "ValueGrammar.h"

#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int property = 1 + data[0] % PropertyCount;
    QString value(qsizetype((size - 1) / 2), Qt::Uninitialized);
    std::memcpy(value.data(), data + 1, (size - 1) / 2 * 2);

    const ValueVerdict verdict = checkValue(property, value);
    const bool valid = verdict.kind == ValueVerdict::Kind::Valid;
    check(valid == verdict.reason.isEmpty());
    check(valid ? verdict.at == -1 && verdict.length == 0
                : verdict.at >= 0 && verdict.length >= 0 &&
                      verdict.at + verdict.length <= value.size());

    // A line break cannot be escaped, so it pads even a value that ends with a backslash.
    const ValueVerdict padded = checkValue(property, u" \t"_s + value + u"\n "_s);
    check(padded.kind == verdict.kind && padded.reason == verdict.reason &&
          padded.length == verdict.length && padded.at == (valid ? -1 : verdict.at + 2));
    return 0;
}
