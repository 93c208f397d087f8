#pragma once

#include <QStringView>

#include <array>
#include <optional>

class ValueTokens;

// A math function of CSS Values 4 and 5 (calc(), min(), clamp(), round(), sin(), …) as a
// browser reads it: its syntax, the white space "+" and "-" need around them, and the type
// its arithmetic gives, a length, an angle, a number or a percentage, where a product may
// multiply and divide dimensions as long as the whole comes out as one of them.
class MathFunction {
public:
    enum class Base : unsigned char { Length, Angle, Time, Frequency, Resolution, Percent };
    static constexpr int BaseCount = 6;
    // The powers of each base type: a number has none, a length one of Length.
    struct Type {
        std::array<signed char, BaseCount> powers{};

        [[nodiscard]] static Type of(Base base)
        {
            Type t;
            t.powers[std::size_t(base)] = 1;
            return t;
        }
        bool operator==(const Type &) const = default;
    };
    enum class Fault : unsigned char {
        None,
        Syntax,  // a token no expression has there
        Ends,    // an operand or an argument missing
        Spacing, // a "+" or "-" without white space on both sides
        Types,   // operands whose types do not add up
    };
    struct Result {
        Type type;
        Fault fault = Fault::None;
        qsizetype at = -1; // the token of the fault
    };

    // Whether a function of this name (any case) is one.
    [[nodiscard]] static bool isMathFunction(QStringView name);
    // The math function whose token is at `at` in the tokens, closed; its percentages are
    // of the type `percentAs` resolves them to, or Percent where they resolve to nothing.
    [[nodiscard]] static Result read(const ValueTokens &tokens, qsizetype at, Base percentAs);
};
