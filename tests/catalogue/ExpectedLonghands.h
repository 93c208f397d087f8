#pragma once

// What each shorthand of the catalogue sets, written out by hand from CSS 2.1's property
// index (and CSS 2's for font, which also resets font-stretch and font-size-adjust): the
// tests' own reference, apart from the property table.
#include "Property.h"

#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

inline const QHash<QString, QStringList> &expectedLonghands()
{
    const auto sides = [](const QString &what) {
        QStringList set;
        for (const char16_t *side : {u"top", u"right", u"bottom", u"left"})
            set << what.arg(QString::fromUtf16(side));
        return set;
    };
    static const QHash<QString, QStringList> sets{
        {u"background"_s,
         {u"background-color"_s,
          u"background-image"_s,
          u"background-repeat"_s,
          u"background-attachment"_s,
          u"background-position"_s}},
        {u"border"_s,
         sides(u"border-%1-width"_s) + sides(u"border-%1-style"_s) + sides(u"border-%1-color"_s)},
        {u"border-top"_s, {u"border-top-width"_s, u"border-top-style"_s, u"border-top-color"_s}},
        {u"border-right"_s,
         {u"border-right-width"_s, u"border-right-style"_s, u"border-right-color"_s}},
        {u"border-bottom"_s,
         {u"border-bottom-width"_s, u"border-bottom-style"_s, u"border-bottom-color"_s}},
        {u"border-left"_s,
         {u"border-left-width"_s, u"border-left-style"_s, u"border-left-color"_s}},
        {u"border-color"_s, sides(u"border-%1-color"_s)},
        {u"border-style"_s, sides(u"border-%1-style"_s)},
        {u"border-width"_s, sides(u"border-%1-width"_s)},
        {u"font"_s,
         {u"font-style"_s,
          u"font-variant"_s,
          u"font-weight"_s,
          u"font-stretch"_s,
          u"font-size"_s,
          u"line-height"_s,
          u"font-family"_s,
          u"font-size-adjust"_s}},
        {u"list-style"_s, {u"list-style-type"_s, u"list-style-position"_s, u"list-style-image"_s}},
        {u"margin"_s, sides(u"margin-%1"_s)},
        {u"outline"_s, {u"outline-color"_s, u"outline-style"_s, u"outline-width"_s}},
        {u"padding"_s, sides(u"padding-%1"_s)},
    };
    return sets;
}

// The catalogue properties a property sets by that reference, in catalogue order.
inline QList<int> expectedSets(int property)
{
    const QString name = Property::at(property).name.toLower();
    if (!expectedLonghands().contains(name))
        return {property};
    QList<int> set;
    for (const QString &longhand : expectedLonghands().value(name))
        set << Property::indexOf(longhand);
    std::sort(set.begin(), set.end());
    return set;
}
