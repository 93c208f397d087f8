#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A number of a value changed by a step, its unit and the rest of the text kept: the number
// the cursor stands in or beside, else the last before the cursor, else the first. A number
// without a unit gets "px" where the property's grammar needs a length there, and Font-weight
// steps by hundreds within 100 to 900.
struct NumberStep {
    QString value;
    qsizetype cursor = 0; // after the changed number and its unit

    // Nothing when the value holds no number.
    [[nodiscard]] static std::optional<NumberStep> in(int property, QStringView value,
                                                      qsizetype cursor, double by);
    // A number as CSS writes it: at most `decimals` decimals, no trailing zeros, no "-0".
    [[nodiscard]] static QString written(double n, int decimals);
};
