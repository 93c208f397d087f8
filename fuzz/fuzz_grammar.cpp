// libFuzzer harness for checking values. The first two bytes pick the property, of the
// catalogue or of today's CSS, the rest is the value read as UTF-16, so NULs and lone
// surrogates occur. A verdict must point inside the value or at the name (-1), and give a
// reason exactly when the value is not valid by CSS 2.1, and white space around the value
// may only shift where it points.
#include "Property.h"
#include "TodayCss.h"
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
    if (size < 2)
        return 0;
    const TodayCss &today = TodayCss::instance();
    const int pick = (data[0] | data[1] << 8) % (PropertyCount + today.count());
    const int property =
        pick < PropertyCount ? pick + 1 : declarationKey(today.property(pick - PropertyCount).name);
    QString value(qsizetype((size - 2) / 2), Qt::Uninitialized);
    std::memcpy(value.data(), data + 2, (size - 2) / 2 * 2);

    const ValueVerdict verdict = checkDeclaration(property, value);
    const bool valid = verdict.kind == ValueVerdict::Kind::Valid;
    check(valid == verdict.reason.isEmpty());
    // -1 points at the name: a valid value, or one valid but for the name's vendor prefix.
    const bool atName = verdict.at == -1 && verdict.length == 0;
    check(valid ? atName
                : atName || (verdict.at >= 0 && verdict.length >= 0 &&
                             verdict.at + verdict.length <= value.size()));

    // A line break cannot be escaped, so it pads even a value that ends with a backslash.
    const ValueVerdict padded = checkDeclaration(property, u" \t"_s + value + u"\n "_s);
    check(padded.kind == verdict.kind && padded.reason == verdict.reason &&
          padded.length == verdict.length && padded.at == (atName ? -1 : verdict.at + 2));
    return 0;
}
