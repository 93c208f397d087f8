#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringView>

// A colour written in a value, "#rgb", "#rrggbb" and their forms with alpha, a colour's name,
// or rgb(), rgba(), hsl() and hsla() with numbers or percentages: where it stands, which
// colour it is, and how it is written, so that another colour can be written the same way.
struct ColourInValue {
    enum class Notation { Hex, Name, Rgb, Hsl };

    qsizetype begin = -1; // the UTF-16 range in the value; -1 when there is none
    qsizetype end = -1;
    QColor colour;
    Notation notation = Notation::Name;
    QString function;          // rgb, rgba, hsl or hsla, as written
    bool hasAlpha = false;     // written with an alpha part
    bool alphaPercent = false; // rgb() and hsl(): the alpha written as a percentage
    bool commas = true;        // rgb() and hsl(): the parts separated by commas, not spaces
    bool percents = false;     // rgb(): the parts written as percentages
    bool upperCase = false;    // hex: the digits written in upper case

    [[nodiscard]] bool isFound() const { return begin >= 0; }

    // The colours of a value, in order; what lies in strings, url() and other functions is
    // no colour.
    [[nodiscard]] static QList<ColourInValue> all(QStringView value);
    // Of those, the one the cursor stands in or beside, else the first; none when there
    // are none. A cursor of -1 stands nowhere.
    [[nodiscard]] static ColourInValue at(const QList<ColourInValue> &colours, qsizetype cursor);
    // `chosen` written in this colour's notation; a name becomes #rrggbb.
    [[nodiscard]] QString written(const QColor &chosen) const;
};
