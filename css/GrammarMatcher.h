#pragma once

#include "CompiledGrammar.h"

#include <optional>
#include <vector>

class ValueTokens;

// Matches a value's tokens against a compiled grammar and remembers the furthest token
// any part of the grammar got to, and what was expected there.
//
// Every node yields the set of token positions where a match of it from a given position
// may end, so "||", "&&", "?", "*" and "{a,b}" backtrack simply by trying each, and a
// repetition or an any-order group visits each (position, count or parts used) once. For
// the property grammars that keeps the work linear in the number of tokens; a grammar that
// repeats a repetition with nothing between, [ a+ ]+, would not be, so the work is capped.
// (Memoizing the sets by node and position was tried: 10-60% slower, on typical values
// and 1 MB ones alike, see bench_grammar.)
class GrammarMatcher {
public:
    // What went wrong at the furthest position; more than one may hold.
    enum Problem : unsigned {
        Unexpected = 0,          // nothing more telling than the token itself
        EndOfBlock = 1u << 0,    // the value or the function's arguments ended too soon
        Surplus = 1u << 1,       // a complete match ends here, yet tokens follow
        OutOfRange = 1u << 2,    // a number of the right kind, too small or too large
        MissingUnit = 1u << 3,   // a number other than 0 where a length is expected
        WrongUnit = 1u << 4,     // a dimension whose unit is not the one expected
        NotInteger = 1u << 5,    // a number with a fraction or exponent
        BadHexColour = 1u << 6,  // "#" and a name that is no colour
        BadColourName = 1u << 7, // a name where only a colour name fits
        BadKeyword = 1u << 8,    // a name where a keyword or an identifier was expected
        BadNumber = 1u << 9,     // a number that is none of the numbers listed
        BadFunction = 1u << 10,  // a function that no function of the grammar is
        NeedsComma = 1u << 11,
        NeedsSlash = 1u << 12,
        MissingParen = 1u << 13, // the value ends inside a function
        MathSpacing = 1u << 14,  // a "+" or "-" of calc() without white space around it
        MathTypes = 1u << 15,    // what calc() adds up or gives is of another kind
    };

    // Node visits allowed: the property grammars take at most 31 per token (Font's on one
    // token), and 5 to 11 on the 1 MB values of bench_grammar.
    static constexpr qsizetype StepsPerToken = 64;
    static constexpr qsizetype LeastSteps = 1024;

    // Today's grammars are larger: they may take more visits (ValueGrammar.cpp).
    GrammarMatcher(const CompiledGrammar &grammar, const ValueTokens &tokens, qsizetype end,
                   qsizetype leastSteps = LeastSteps, qsizetype stepsPerToken = StepsPerToken);

    // Whether the grammar from `root` matches the tokens [0, end) whole.
    [[nodiscard]] bool matches(int root);

    // The cap on the work was reached: the value was not checked to its end.
    [[nodiscard]] bool exhausted() const { return m_exhausted; }
    // The furthest token position reached (end when the value ended too soon) and the
    // problems there.
    [[nodiscard]] qsizetype furthest() const { return m_furthest; }
    [[nodiscard]] unsigned problems() const { return m_problems; }
    // OutOfRange: the bound the number broke, and whether it was the lower one.
    [[nodiscard]] double brokenBound() const { return m_bound; }
    [[nodiscard]] bool belowRange() const { return m_below; }

    // The colour names CSS and today's browsers know, in any case; or CSS 2.1's alone.
    [[nodiscard]] static bool isColourName(QStringView name, bool css21Only = false);
    // The keywords every property takes alone.
    [[nodiscard]] static bool isWideKeyword(QStringView name);
    // em, ex, px, in, cm, mm, pt, pc: the length units of CSS 2.1, in any case.
    [[nodiscard]] static bool isCss21LengthUnit(QStringView unit);
    // What a unit measures (any case): Length, Angle, Time, Frequency, Resolution or Flex;
    // none for a unit CSS does not have.
    [[nodiscard]] static std::optional<GrammarNode::Kind> dimensionOf(QStringView unit);

private:
    using Ends = std::vector<qsizetype>;

    // Appends where a match of `node` from `at` may end.
    void collect(int node, qsizetype at, Ends &out);
    void sequence(const GrammarNode &node, qsizetype at, Ends &out);
    void anyOrder(const GrammarNode &node, qsizetype at, Ends &out);
    void repeat(const GrammarNode &node, qsizetype at, Ends &out);
    void function(const GrammarNode &node, qsizetype at, Ends &out);
    void anything(qsizetype at, Ends &out);
    // A leaf: the end of its match, or -1 after noting what went wrong.
    [[nodiscard]] qsizetype leaf(const GrammarNode &node, qsizetype at);
    [[nodiscard]] qsizetype number(const GrammarNode &node, qsizetype at);
    [[nodiscard]] qsizetype mathFunction(const GrammarNode &node, qsizetype at);
    // Where the block holding position `at` ends.
    [[nodiscard]] qsizetype limit(qsizetype at) const;
    void fail(qsizetype at, unsigned problems);

    const CompiledGrammar &m_grammar;
    const ValueTokens &m_tokens;
    const qsizetype m_end;
    qsizetype m_steps = 0;
    const qsizetype m_maxSteps;
    bool m_exhausted = false;
    qsizetype m_furthest = -1;
    unsigned m_problems = 0;
    double m_bound = 0;
    bool m_below = false;
};
