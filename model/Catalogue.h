#pragma once

#include "Vlastnost.h"

#include <QtGlobal>

#include <array>

// The one model of the program: the 102 property records (Vlastnosti) and their
// include flags (Zapsat), both indexed 1 to 102. An index outside that range is a
// programming error and throws std::out_of_range at the access.
class Catalogue {
public:
    static constexpr int Count = 102;
    static constexpr int CssLevel1 = 1; // cmdCSS index of "CSS 1"

    // Created empty (all texts empty, all flags 0) until load() fills it.
    Catalogue() = default;

    // Form_Load: every flag 1, the fixed texts, then every value reset to its default.
    void load();
    // Hodnota := Vychozi for every property; the flags are left alone.
    void resetValues();
    // cmdCSS: index 1 clears the flags of the properties CSS 1 does not define (it never
    // sets one); any other index includes all 102.
    void selectCssLevel(int index);

    [[nodiscard]] const Vlastnost &vlastnost(int index) const;
    [[nodiscard]] qint16 zapsat(int index) const;
    // Only Hodnota may change after load, so that is the only field with a setter.
    void setHodnota(int index, const QString &hodnota);
    void setZapsat(int index, qint16 flag);

    // The 48 catalogue indices "CSS 1" unticks, ascending.
    [[nodiscard]] static const std::array<qint16, 48> &notInCss1();

private:
    [[nodiscard]] static std::size_t slot(int index);

    std::array<Vlastnost, Count> Vlastnosti;
    std::array<qint16, Count> Zapsat{};
};
