#pragma once

#include <QList>
#include <QStringList>

// The order a rule's lines are written in. Two declarations that set a longhand in common
// and are of the same importance decide between them by their order: such lines keep the
// order they were read in, and every other line stays where the rule puts it (the
// catalogue's order, then the kept pieces).
struct OrderedLine {
    int rank = 0; // its place in the rule read; 0 for a line that was not read
    bool important = false;
    QStringList longhands; // what it sets (Longhands.h), none for a line a browser drops
};

// The positions of `lines` (given in the rule's order) as they are to be written; empty when
// that order keeps every decision already. Linear in the lines and what they set, but for
// lines that set everything (`all`).
[[nodiscard]] QList<qsizetype> writtenOrder(const QList<OrderedLine> &lines);
