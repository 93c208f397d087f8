#include "Composer.h"

#include "Catalogue.h"
#include "TextNormal.h"

#include <algorithm>

namespace {

constexpr qint16 Font = 42;
constexpr qint16 FontStyle = 47, FontVariant = 48, FontWeight = 49;
constexpr qint16 FontSize = 44, LineHeight = 53, FontFamily = 43;

constexpr std::array<Composition, 14> table = {{
    {1, {2, 3, 4, 5, 6}, 5},   // Background
    {7, {25, 26, 27}, 3},      // Border: from the top side only
    {8, {9, 10, 11}, 3},       // Border-bottom
    {13, {25, 19, 9, 15}, 4},  // Border-color: top, right, bottom, left
    {14, {15, 16, 17}, 3},     // Border-left
    {18, {19, 20, 21}, 3},     // Border-right
    {23, {26, 20, 10, 16}, 4}, // Border-style
    {24, {25, 26, 27}, 3},     // Border-top
    {28, {27, 21, 11, 17}, 4}, // Border-width
    {Font, {FontStyle, FontVariant, FontWeight, FontSize, LineHeight, FontFamily}, 6},
    {54, {55, 56, 57}, 3},     // List-style
    {58, {62, 61, 59, 60}, 4}, // Margin
    {70, {71, 72, 73}, 3},     // Outline
    {75, {79, 78, 76, 77}, 4}, // Padding
}};

// The trimmed value of a partial when it is non-empty and included, else empty.
QString includedPart(const Catalogue &catalogue, qint16 index)
{
    if (catalogue.zapsat(index) != 1)
        return {};
    return trimSpaces(catalogue.vlastnost(index).Hodnota);
}

void appendWord(QString &text, const QString &word)
{
    if (word.isEmpty())
        return;
    text += u' ';
    text += word;
}

QString composePlain(const Catalogue &catalogue, const Composition &c)
{
    QString joined;
    for (const qint16 part : c.partials())
        appendWord(joined, includedPart(catalogue, part));
    return lowerTrimmed(joined);
}

// Font always names a size and a family, falling back to "medium" and "serif"; their
// flags are not consulted, and the family keeps its letter case.
QString composeFont(const Catalogue &catalogue)
{
    QString joined;
    for (const qint16 part : {FontStyle, FontVariant, FontWeight})
        appendWord(joined, includedPart(catalogue, part));

    const QString size = trimSpaces(catalogue.vlastnost(FontSize).Hodnota);
    appendWord(joined, size.isEmpty() ? QStringLiteral("medium") : size);

    const QString lineHeight = includedPart(catalogue, LineHeight);
    if (!lineHeight.isEmpty()) {
        joined += u'/';
        joined += lineHeight;
    }

    QString font = lowerTrimmed(joined);
    const QString family = trimSpaces(catalogue.vlastnost(FontFamily).Hodnota);
    appendWord(font, family.isEmpty() ? QStringLiteral("serif") : family);
    return font;
}

} // namespace

std::span<const Composition> compositionTable()
{
    return table;
}

void SlozeniHodnot(Catalogue &catalogue, qint16 index)
{
    const auto found = std::find_if(table.begin(), table.end(),
                                    [index](const Composition &c) { return c.shorthand == index; });
    if (found == table.end())
        return;
    catalogue.setHodnota(index,
                         index == Font ? composeFont(catalogue) : composePlain(catalogue, *found));
}
