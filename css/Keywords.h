#pragma once

#include <QStringList>

// Runs of CSS keywords that more than one part of the program knows, each defined once: the
// property table offers them, the value grammar matches them, the preview reads them.
namespace keywords {

// CSS 2's sixteen colour names, in alphabetical order.
[[nodiscard]] const QStringList &basicColours();
// The border styles, from none to outset.
[[nodiscard]] const QStringList &borderStyles();
// The border styles an outline takes: all but hidden.
[[nodiscard]] const QStringList &outlineStyles();
// thin, medium, thick.
[[nodiscard]] const QStringList &borderWidths();
// The keywords every property takes alone: inherit, initial, unset, revert, revert-layer.
[[nodiscard]] const QStringList &cssWide();

// `words` as alternatives of the value-definition notation: "a | b | c".
[[nodiscard]] QString alternatives(const QStringList &words);

} // namespace keywords
