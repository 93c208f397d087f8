#pragma once

#include <QStringList>

class RowPage;

// The values offered for each property, by catalogue index (1 to 102), in the order
// the value box lists them. Throws std::out_of_range for any other index.
[[nodiscard]] const QStringList &vocabulary(int index);

// The named runs that recur across entries.
[[nodiscard]] const QStringList &barvy();          // Barvy: the sixteen colour keywords
[[nodiscard]] const QStringList &stylyOramovani(); // StylyOramovani: border styles
[[nodiscard]] const QStringList &sirkyOramovani(); // SirkyOramovani: border widths
[[nodiscard]] const QStringList &nabidkaSlozeni(); // NabidkaSlozeni: "" and the compose item

// NaplnVyber: refills the value box at zero-based row position with the items of the
// property that row shows. A property index outside 1..102 leaves the box untouched.
void NaplnVyber(RowPage &page, qint16 position);
