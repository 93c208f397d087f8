#include "ColourInValue.h"

#include "CssTokenizer.h"
#include "NumberStep.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Type = CssToken::Type;

bool isHex(QStringView digits)
{
    return std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
}

// "#rgb", "#rgba", "#rrggbb" or "#rrggbbaa", as CSS orders the digits.
ColourInValue hexColour(QStringView digits)
{
    ColourInValue found;
    const qsizetype size = digits.size();
    if ((size != 3 && size != 4 && size != 6 && size != 8) || !isHex(digits))
        return found;
    const int width = size <= 4 ? 1 : 2;
    const auto part = [&](int i) {
        const int n = digits.mid(i * width, width).toInt(nullptr, 16);
        return width == 1 ? n * 17 : n;
    };
    found.colour = QColor(part(0), part(1), part(2), size == 4 || size == 8 ? part(3) : 255);
    found.notation = ColourInValue::Notation::Hex;
    found.hasAlpha = size == 4 || size == 8;
    found.upperCase =
        std::any_of(digits.begin(), digits.end(), [](QChar c) { return c.isUpper(); });
    return found;
}

struct Part {
    double number;
    bool percent;
    QStringView unit; // of a hue written as an angle
};

// The parts of rgb() or hsl() between its parentheses: numbers, percentages or angles,
// separated by commas, or by spaces with "/" before the alpha.
bool readParts(QStringView value, const std::vector<CssToken> &inside, std::vector<Part> &parts,
               bool &commas, bool &slash)
{
    commas = false;
    slash = false;
    bool separated = true; // a part may come
    for (const CssToken &token : inside) {
        const QStringView text = value.mid(token.begin, token.size());
        if (token.type == Type::Comma || (token.type == Type::Delim && text == u"/")) {
            if (separated && !parts.empty())
                return false;
            (token.type == Type::Comma ? commas : slash) = true;
            separated = true;
        } else if (token.type == Type::Number || token.type == Type::Percentage ||
                   token.type == Type::Dimension) {
            if (!separated && commas)
                return false;
            const qsizetype numberEnd = token.type == Type::Dimension ? token.unitAt - token.begin
                                        : token.type == Type::Percentage ? token.size() - 1
                                                                         : token.size();
            bool ok = false;
            const double number = text.first(numberEnd).toDouble(&ok);
            if (!ok)
                return false;
            parts.push_back({number,
                             token.type == Type::Percentage,
                             token.type == Type::Dimension ? text.mid(numberEnd) : QStringView()});
            separated = false;
        } else {
            return false;
        }
    }
    return !separated && !(commas && slash) && (parts.size() == 3 || parts.size() == 4) &&
           (commas || parts.size() == 3 || slash);
}

double clamped(double x)
{
    return std::clamp(x, 0.0, 1.0);
}

double alphaOf(const Part &part)
{
    return clamped(part.percent ? part.number / 100 : part.number);
}

// The hue in turns, from a number of degrees or an angle.
double hueOf(const Part &part)
{
    double degrees = part.number;
    if (part.unit.compare(u"rad", Qt::CaseInsensitive) == 0)
        degrees = part.number * 180 / std::numbers::pi;
    else if (part.unit.compare(u"grad", Qt::CaseInsensitive) == 0)
        degrees = part.number * 0.9;
    else if (part.unit.compare(u"turn", Qt::CaseInsensitive) == 0)
        degrees = part.number * 360;
    else if (!part.unit.isEmpty() && part.unit.compare(u"deg", Qt::CaseInsensitive) != 0)
        return -1;
    const double turns = degrees / 360;
    return turns - std::floor(turns);
}

ColourInValue functionColour(QStringView value, const CssToken &function,
                             const std::vector<CssToken> &inside)
{
    ColourInValue found;
    const QString name = CssTokenizer::asciiLower(value.mid(function.begin, function.size() - 1));
    const bool rgb = name == u"rgb" || name == u"rgba";
    if (!rgb && name != u"hsl" && name != u"hsla")
        return found;
    std::vector<Part> parts;
    bool commas = false;
    bool slash = false;
    if (!readParts(value, inside, parts, commas, slash))
        return found;
    const double alpha = parts.size() == 4 ? alphaOf(parts[3]) : 1;
    if (rgb) {
        const bool percents = parts[0].percent;
        for (int i = 0; i < 3; ++i) {
            if (parts[std::size_t(i)].percent != percents || !parts[std::size_t(i)].unit.isEmpty())
                return found;
        }
        const auto channel = [&](int i) {
            const double n = parts[std::size_t(i)].number;
            return clamped(percents ? n / 100 : n / 255);
        };
        found.colour =
            QColor::fromRgbF(float(channel(0)), float(channel(1)), float(channel(2)), float(alpha));
        found.notation = ColourInValue::Notation::Rgb;
        found.percents = percents;
    } else {
        const double hue = hueOf(parts[0]);
        if (hue < 0 || parts[0].percent || !parts[1].unit.isEmpty() || !parts[2].unit.isEmpty())
            return found;
        found.colour = QColor::fromHslF(float(hue),
                                        float(clamped(parts[1].number / 100)),
                                        float(clamped(parts[2].number / 100)),
                                        float(alpha));
        found.notation = ColourInValue::Notation::Hsl;
    }
    found.function = value.mid(function.begin, function.size() - 1).toString();
    found.hasAlpha = parts.size() == 4;
    found.alphaPercent = found.hasAlpha && parts[3].percent;
    found.commas = commas;
    return found;
}

} // namespace

QList<ColourInValue> ColourInValue::all(QStringView value)
{
    QList<ColourInValue> colours;
    CssTokenizer tokens(value);
    int depth = 0; // inside a function or brackets that hold no colour
    for (CssToken token = tokens.next(); token.type != Type::End; token = tokens.next()) {
        ColourInValue found;
        if (token.type == Type::Function || token.type == Type::OpenParen ||
            token.type == Type::OpenSquare) {
            if (depth == 0 && token.type == Type::Function) {
                // The colour functions' parts, up to their closing parenthesis.
                std::vector<CssToken> inside;
                int nested = 0;
                CssToken part = tokens.next();
                for (; part.type != Type::End; part = tokens.next()) {
                    if (part.type == Type::Function || part.type == Type::OpenParen)
                        ++nested;
                    else if (part.type == Type::CloseParen && nested-- == 0)
                        break;
                    if (part.type != Type::Whitespace && part.type != Type::Comment)
                        inside.push_back(part);
                }
                found = functionColour(value, token, inside);
                token.end = part.type == Type::End ? value.size() : part.end;
            } else {
                ++depth;
            }
        } else if (token.type == Type::CloseParen || token.type == Type::CloseSquare) {
            depth = std::max(0, depth - 1);
        } else if (depth > 0) {
            continue;
        } else if (token.type == Type::Hash) {
            found = hexColour(value.mid(token.begin + 1, token.size() - 1));
        } else if (token.type == Type::Ident) {
            const QStringView name = value.mid(token.begin, token.size());
            if (QColor::isValidColorName(name)) {
                found.colour = QColor::fromString(name);
                found.notation = Notation::Name;
            }
        }
        if (found.colour.isValid()) {
            found.begin = token.begin;
            found.end = token.end;
            colours.append(found);
        }
    }
    return colours;
}

ColourInValue ColourInValue::at(const QList<ColourInValue> &colours, qsizetype cursor)
{
    for (const ColourInValue &colour : colours) {
        if (colour.begin <= cursor && cursor <= colour.end)
            return colour;
    }
    return colours.isEmpty() ? ColourInValue() : colours.first();
}

QString ColourInValue::written(const QColor &chosen) const
{
    const QString alpha = alphaPercent ? NumberStep::written(chosen.alphaF() * 100, 0) + u'%'
                                       : NumberStep::written(chosen.alphaF(), 2);
    switch (notation) {
    case Notation::Name:
    case Notation::Hex: {
        QString hex = chosen.name(QColor::HexRgb);
        if (hasAlpha)
            hex += u"%1"_s.arg(chosen.alpha(), 2, 16, QChar(u'0'));
        return upperCase ? hex.toUpper() : hex;
    }
    case Notation::Rgb:
    case Notation::Hsl:
        break;
    }
    QStringList parts;
    if (notation == Notation::Rgb) {
        for (const float channel : {chosen.redF(), chosen.greenF(), chosen.blueF()})
            parts << (percents ? NumberStep::written(channel * 100, 1) + u'%'
                               : NumberStep::written(channel * 255, 0));
    } else {
        const QColor hsl = chosen.toHsl();
        parts << NumberStep::written(std::max(0.0f, hsl.hslHueF()) * 360, 0)
              << NumberStep::written(hsl.hslSaturationF() * 100, 0) + u'%'
              << NumberStep::written(hsl.lightnessF() * 100, 0) + u'%';
    }
    QString inside = parts.join(commas ? u", "_s : u" "_s);
    if (hasAlpha)
        inside += (commas ? u", "_s : u" / "_s) + alpha;
    return function + u'(' + inside + u')';
}
