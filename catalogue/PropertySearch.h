#pragma once

#include <QList>
#include <QStringView>

// The properties a find query names, by index: first those whose name contains the
// query, ignoring case and hyphens ("lineheight" finds Line-height); then those whose
// description (as shown, or the Czech one) has, for every word of the query, a word that begins
// like it, ignoring case and diacritics; then those where that holds but for the query word's last
// letter, which Czech inflects ("sirka" finds "šířku"). Shorter names come first within
// each; an empty query finds nothing.
[[nodiscard]] QList<int> findProperties(QStringView query);
