#include "Selectors.h"

using namespace Qt::StringLiterals;

const QStringList &selectorNames()
{
    static const QStringList names = {
        u"a"_s,    u"abbr"_s,       u"acronym"_s, u"address"_s, u"b"_s,      u"basefont"_s,
        u"big"_s,  u"blockquote"_s, u"body"_s,    u"caption"_s, u"center"_s, u"cite"_s,
        u"code"_s, u"dd"_s,         u"dfn"_s,     u"div"_s,     u"dl"_s,     u"dt"_s,
        u"em"_s,   u"h1"_s,         u"h2"_s,      u"h3"_s,      u"h4"_s,     u"h5"_s,
        u"h6"_s,   u"i"_s,          u"img"_s,     u"ins"_s,     u"label"_s,  u"legend"_s,
        u"li"_s,   u"ol"_s,         u"p"_s,       u"pre"_s,     u"q"_s,      u"s"_s,
        u"samp"_s, u"small"_s,      u"span"_s,    u"strike"_s,  u"strong"_s, u"style"_s,
        u"sub"_s,  u"sup"_s,        u"table"_s,   u"td"_s,      u"th"_s,     u"tr"_s,
        u"tt"_s,   u"u"_s,          u"ul"_s};
    return names;
}
