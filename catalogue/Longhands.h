#pragma once

#include <QStringList>
#include <QStringView>

// Which longhands a declaration of a property sets in today's CSS, for any property, the
// catalogue's and all others: the one table the cascade and the rule's order are built on.
// A longhand sets itself. Logical properties (margin-inline-start, inset-block, …) stand
// for the physical ones their writing mode makes them, which the rule alone cannot tell:
// they set every physical side of their group. A vendor prefix sets what the unprefixed
// property sets; an alias what its property sets; `all` sets everything but direction,
// unicode-bidi and custom properties. Names are ASCII lower case but for custom
// properties, which are their own longhand.
namespace longhands {

[[nodiscard]] QStringList of(QStringView property);
// Whether declarations of the two properties set a longhand in common.
[[nodiscard]] bool overlap(QStringView a, QStringView b);

} // namespace longhands
