#include "Keywords.h"

using namespace Qt::StringLiterals;

namespace keywords {

const QStringList &basicColours()
{
    static const QStringList values{u"aqua"_s,
                                    u"black"_s,
                                    u"blue"_s,
                                    u"fuchsia"_s,
                                    u"gray"_s,
                                    u"green"_s,
                                    u"lime"_s,
                                    u"maroon"_s,
                                    u"navy"_s,
                                    u"olive"_s,
                                    u"purple"_s,
                                    u"red"_s,
                                    u"silver"_s,
                                    u"teal"_s,
                                    u"white"_s,
                                    u"yellow"_s};
    return values;
}

const QStringList &borderStyles()
{
    static const QStringList values{u"none"_s,
                                    u"hidden"_s,
                                    u"dotted"_s,
                                    u"dashed"_s,
                                    u"solid"_s,
                                    u"double"_s,
                                    u"groove"_s,
                                    u"ridge"_s,
                                    u"inset"_s,
                                    u"outset"_s};
    return values;
}

const QStringList &outlineStyles()
{
    static const QStringList values = [] {
        QStringList styles = borderStyles();
        styles.removeOne(u"hidden"_s);
        return styles;
    }();
    return values;
}

const QStringList &borderWidths()
{
    static const QStringList values{u"thin"_s, u"medium"_s, u"thick"_s};
    return values;
}

const QStringList &cssWide()
{
    static const QStringList values{
        u"inherit"_s, u"initial"_s, u"unset"_s, u"revert"_s, u"revert-layer"_s};
    return values;
}

QString alternatives(const QStringList &words)
{
    return words.join(u" | "_s);
}

} // namespace keywords
