#include "Catalogue.h"

#include "CatalogueData.h"

#include <stdexcept>
#include <string>

static_assert(Catalogue::Count == PropertyCount);

void Catalogue::load()
{
    Zapsat.fill(1);
    for (std::size_t i = 0; i < Vlastnosti.size(); ++i) {
        const CatalogueRow &row = catalogueRows[i];
        Vlastnosti[i].Vychozi = QString::fromUtf16(row.vychozi);
        Vlastnosti[i].Nazev = QString::fromUtf16(row.nazev);
        Vlastnosti[i].Popis = QString::fromUtf16(row.popis);
    }
    resetValues();
}

void Catalogue::resetValues()
{
    for (Vlastnost &v : Vlastnosti)
        v.Hodnota = v.Vychozi;
}

const std::array<qint16, 48> &Catalogue::notInCss1()
{
    static constexpr std::array<qint16, 48> indices = {
        9,  10, 12, 15, 16, 19, 20, 22, 25, 26, 29, 30, 32, 34, 35, 36,
        37, 38, 40, 45, 46, 51, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72,
        73, 74, 80, 81, 82, 83, 84, 85, 86, 87, 88, 94, 95, 97, 99, 102};
    return indices;
}

void Catalogue::selectCssLevel(int index)
{
    if (index == CssLevel1) {
        for (const qint16 i : notInCss1())
            Zapsat[slot(i)] = 0;
    } else {
        Zapsat.fill(1);
    }
}

std::size_t Catalogue::slot(int index)
{
    if (index < 1 || index > Count)
        throw std::out_of_range("property index " + std::to_string(index) + " is outside 1..102");
    return static_cast<std::size_t>(index - 1);
}

const Vlastnost &Catalogue::vlastnost(int index) const
{
    return Vlastnosti[slot(index)];
}

qint16 Catalogue::zapsat(int index) const
{
    return Zapsat[slot(index)];
}

void Catalogue::setHodnota(int index, const QString &hodnota)
{
    Vlastnosti[slot(index)].Hodnota = hodnota;
}

void Catalogue::setZapsat(int index, qint16 flag)
{
    Zapsat[slot(index)] = flag;
}
