#include "Longhands.h"

#include "CssTokenizer.h"
#include "Property.h"

#include <QHash>
#include <QSet>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Today's shorthands and aliases, a line each: the name, then what it sets, which may be
// shorthands again. For a shorthand of the catalogue, what today's CSS adds to what its row
// says it resets. The logical ones follow below, made in loops.
constexpr QStringView Shorthands = uR"(
background background-size background-origin background-clip
background-position background-position-x background-position-y
border border-image
border-image border-image-source border-image-slice border-image-width border-image-outset border-image-repeat
border-radius border-top-left-radius border-top-right-radius border-bottom-right-radius border-bottom-left-radius
scroll-margin scroll-margin-top scroll-margin-right scroll-margin-bottom scroll-margin-left
scroll-padding scroll-padding-top scroll-padding-right scroll-padding-bottom scroll-padding-left
inset top right bottom left
font font-kerning font-optical-sizing font-feature-settings font-variation-settings font-language-override
font-variant font-variant-caps font-variant-ligatures font-variant-numeric font-variant-east-asian font-variant-alternates font-variant-position font-variant-emoji
font-width font-stretch
font-synthesis font-synthesis-weight font-synthesis-style font-synthesis-small-caps font-synthesis-position
text-decoration text-decoration-line text-decoration-style text-decoration-color text-decoration-thickness
text-emphasis text-emphasis-style text-emphasis-color
white-space white-space-collapse text-wrap-mode
text-wrap text-wrap-mode text-wrap-style
overflow overflow-x overflow-y
overscroll-behavior overscroll-behavior-x overscroll-behavior-y
flex flex-grow flex-shrink flex-basis
flex-flow flex-direction flex-wrap
gap row-gap column-gap
grid-gap row-gap column-gap
grid-row-gap row-gap
grid-column-gap column-gap
place-content align-content justify-content
place-items align-items justify-items
place-self align-self justify-self
columns column-width column-count
column-rule column-rule-width column-rule-style column-rule-color
grid grid-template-rows grid-template-columns grid-template-areas grid-auto-rows grid-auto-columns grid-auto-flow
grid-template grid-template-rows grid-template-columns grid-template-areas
grid-area grid-row-start grid-column-start grid-row-end grid-column-end
grid-row grid-row-start grid-row-end
grid-column grid-column-start grid-column-end
transition transition-property transition-duration transition-timing-function transition-delay transition-behavior
animation animation-name animation-duration animation-timing-function animation-delay animation-iteration-count animation-direction animation-fill-mode animation-play-state animation-timeline animation-range-start animation-range-end animation-composition
animation-range animation-range-start animation-range-end
mask mask-image mask-mode mask-repeat mask-position mask-clip mask-origin mask-size mask-composite
mask-border mask-border-source mask-border-slice mask-border-width mask-border-outset mask-border-repeat mask-border-mode
offset offset-position offset-path offset-distance offset-rotate offset-anchor
contain-intrinsic-size contain-intrinsic-width contain-intrinsic-height
container container-name container-type
marker marker-start marker-mid marker-end
word-wrap overflow-wrap
-webkit-text-stroke -webkit-text-stroke-width -webkit-text-stroke-color
page-break-before break-before
page-break-after break-after
page-break-inside break-inside
)";

// The physical sides, and their corners.
const QStringList Sides{u"top"_s, u"right"_s, u"bottom"_s, u"left"_s};

// Logical properties: each stands for all the physical ones of its group.
void addLogical(QHash<QString, QStringList> &table)
{
    const QStringList ends{u"start"_s, u"end"_s};
    const QStringList axes{u"block"_s, u"inline"_s};
    const auto physical = [](const QString &pattern) {
        QStringList set;
        for (const QString &side : Sides)
            set << pattern.arg(side);
        return set;
    };
    for (const QString &group :
         {u"margin"_s, u"padding"_s, u"scroll-margin"_s, u"scroll-padding"_s, u"inset"_s}) {
        const QStringList all = group == u"inset"_s ? Sides : physical(group + u"-%1"_s);
        for (const QString &axis : axes) {
            table.insert(group + u'-' + axis, all);
            for (const QString &end : ends)
                table.insert(group + u'-' + axis + u'-' + end, all);
        }
    }
    for (const QString &axis : axes) {
        table.insert(u"border-"_s + axis,
                     physical(u"border-%1-width"_s) + physical(u"border-%1-style"_s) +
                         physical(u"border-%1-color"_s));
        for (const QString &aspect : {u"width"_s, u"style"_s, u"color"_s}) {
            table.insert(u"border-%1-%2"_s.arg(axis, aspect), physical(u"border-%1-"_s + aspect));
            for (const QString &end : ends)
                table.insert(u"border-%1-%2-%3"_s.arg(axis, end, aspect),
                             physical(u"border-%1-"_s + aspect));
        }
        for (const QString &end : ends)
            table.insert(u"border-%1-%2"_s.arg(axis, end),
                         physical(u"border-%1-width"_s) + physical(u"border-%1-style"_s) +
                             physical(u"border-%1-color"_s));
    }
    const QStringList corners{u"border-top-left-radius"_s,
                              u"border-top-right-radius"_s,
                              u"border-bottom-right-radius"_s,
                              u"border-bottom-left-radius"_s};
    for (const QString &first : ends)
        for (const QString &second : ends)
            table.insert(u"border-%1-%2-radius"_s.arg(first, second), corners);
    for (const QString &size : {u""_s, u"min-"_s, u"max-"_s}) {
        const QStringList both{size + u"width"_s, size + u"height"_s};
        table.insert(size + u"inline-size"_s, both);
        table.insert(size + u"block-size"_s, both);
    }
    table.insert(u"contain-intrinsic-inline-size"_s,
                 {u"contain-intrinsic-width"_s, u"contain-intrinsic-height"_s});
    table.insert(u"contain-intrinsic-block-size"_s,
                 {u"contain-intrinsic-width"_s, u"contain-intrinsic-height"_s});
    for (const QString &group : {u"overflow"_s, u"overscroll-behavior"_s}) {
        table.insert(group + u"-block"_s, {group + u"-x"_s, group + u"-y"_s});
        table.insert(group + u"-inline"_s, {group + u"-x"_s, group + u"-y"_s});
    }
}

// Every shorthand expanded to the longhands at the bottom of it.
const QHash<QString, QStringList> &table()
{
    static const QHash<QString, QStringList> expanded = [] {
        QHash<QString, QStringList> direct;
        for (const QStringView line : Shorthands.tokenize(u'\n', Qt::SkipEmptyParts)) {
            const QList<QStringView> names = line.split(u' ', Qt::SkipEmptyParts);
            QStringList set;
            for (qsizetype i = 1; i < names.size(); ++i)
                set << names[i].toString();
            direct.insert(names.front().toString(), set);
        }
        for (const int i : Property::indices()) {
            QStringList resets;
            for (const QString &longhand : Property::at(i).resets)
                resets << longhand.toLower();
            if (!resets.isEmpty()) {
                const QString name = Property::at(i).name.toLower();
                direct.insert(name, resets + direct.value(name));
            }
        }
        addLogical(direct);
        QHash<QString, QStringList> leaves;
        const std::function<QStringList(const QString &)> expand = [&](const QString &name) {
            if (!direct.contains(name))
                return QStringList{name};
            QStringList set;
            for (const QString &part : direct.value(name))
                for (const QString &leaf : part == name ? QStringList{name} : expand(part))
                    if (!set.contains(leaf))
                        set << leaf;
            return set;
        };
        for (auto it = direct.cbegin(); it != direct.cend(); ++it)
            leaves.insert(it.key(), expand(it.key()));
        return leaves;
    }();
    return expanded;
}

// The name without a vendor prefix: "-webkit-box-shadow" is "box-shadow".
QString unprefixed(const QString &name)
{
    if (name.size() > 2 && name.startsWith(u'-') && name[1] != u'-') {
        const qsizetype dash = name.indexOf(u'-', 1);
        if (dash > 1 && dash + 1 < name.size())
            return name.mid(dash + 1);
    }
    return name;
}

bool isAll(const QStringList &set)
{
    return set.size() == 1 && set.front() == u"*";
}

} // namespace

namespace longhands {

QStringList of(QStringView property)
{
    if (property.startsWith(u"--"))
        return {property.toString()};
    QString name = CssTokenizer::asciiLower(property);
    if (name == u"all")
        return {u"*"_s};
    const auto found = table().constFind(name);
    if (found != table().cend())
        return *found;
    const QString bare = unprefixed(name);
    if (bare != name && bare != u"all")
        return of(bare);
    return {name};
}

bool overlap(QStringView a, QStringView b)
{
    const QStringList first = of(a);
    const QStringList second = of(b);
    // `all` leaves direction, unicode-bidi and custom properties alone.
    const auto underAll = [](const QStringList &set) {
        return std::any_of(set.cbegin(), set.cend(), [](const QString &longhand) {
            return longhand != u"direction" && longhand != u"unicode-bidi" &&
                   !longhand.startsWith(u"--");
        });
    };
    if (isAll(first) || isAll(second))
        return (isAll(first) && isAll(second)) || underAll(isAll(first) ? second : first);
    return std::any_of(first.cbegin(), first.cend(), [&second](const QString &longhand) {
        return second.contains(longhand);
    });
}

} // namespace longhands
