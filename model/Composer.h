#pragma once

#include <QtGlobal>

#include <array>
#include <span>

class Catalogue;

// The text a value box holds when the user asks for a shorthand to be composed.
inline constexpr char16_t ComposeItem[] = u"složit z dílčích hodnot";

// One shorthand and its partial properties, in the order their values are joined.
struct Composition {
    qint16 shorthand;
    std::array<qint16, 6> parts;
    std::size_t partCount;
    [[nodiscard]] std::span<const qint16> partials() const { return {parts.data(), partCount}; }
};

// The fourteen shorthands, ascending by index.
[[nodiscard]] std::span<const Composition> compositionTable();

// Replaces the value of shorthand index by one joined from the current values of its
// partial properties. An index that is no shorthand changes nothing.
void SlozeniHodnot(Catalogue &catalogue, qint16 index);
