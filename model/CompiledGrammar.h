#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringView>

#include <limits>
#include <vector>

// One node of a compiled value grammar.
struct GrammarNode {
    enum class Kind {
        // Leaves: one token, or a url("…") function.
        Keyword, // `text`, lower case
        Integer, // the integer `low`, as font-weight's 100 … 900
        Comma,   // ","
        Slash,   // "/"
        Length,  // <length [low,high]>
        Percentage,
        Number,
        WholeNumber, // <integer [low,high]>
        Angle,
        String,
        Uri,
        Identifier, // any name but the keywords every property takes
        HexColour,
        NamedColour,
        // Composites over `children`.
        Function, // `text(` … `)`, its one child matching all that is inside
        Sequence, // juxtaposition: each in turn
        AllOf,    // &&: each once, in any order
        AnyOf,    // ||: one or more, each at most once, in any order
        OneOf,    // |
        Repeat,   // the one child `low` to `high` times, comma-separated when `commas`
    };
    explicit GrammarNode(Kind kind, QString text = {})
        : kind(kind)
        , text(std::move(text))
    {
    }

    Kind kind;
    QString text;
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    bool commas = false;
    std::vector<int> children;
};

// A property's value grammar (its row's notation, see ValueGrammar.h) and those of its
// notes, compiled into nodes of one graph. Named types and references to other
// properties are compiled in place, without the "inherit" their own grammar lists.
// Built for a property the first time one of its values is checked, then kept.
class CompiledGrammar {
public:
    // The grammar of the property with this index (1..102).
    [[nodiscard]] static const CompiledGrammar &of(int property);
    // A grammar from its notation alone, for testing the notation itself; a fault in it
    // stops the program.
    explicit CompiledGrammar(QStringView notation);

    [[nodiscard]] const GrammarNode &node(int index) const { return m_nodes[std::size_t(index)]; }
    // The root of the property's grammar, or -1 when it has none.
    [[nodiscard]] int root() const { return m_root; }
    // The roots of its notes' grammars, in the order of the notes.
    [[nodiscard]] const std::vector<int> &noteRoots() const { return m_noteRoots; }
    // Whether a keyword (lower case) or a function name appears anywhere in the grammar.
    [[nodiscard]] bool knowsKeyword(const QString &lowerCase) const
    {
        return m_keywords.contains(lowerCase);
    }
    [[nodiscard]] bool knowsFunction(const QString &lowerCase) const
    {
        return m_functions.contains(lowerCase);
    }
    // Whether colour names are among the values.
    [[nodiscard]] bool hasColourNames() const { return m_hasColourNames; }

private:
    class Parser;

    CompiledGrammar() = default;
    // Compiles `notation`; `what` names it when the notation has a fault.
    int compile(QStringView notation, const QString &what);
    // Compiles a named type ("color") or a property's grammar ("'font-size'") once.
    int compileNamed(const QString &name, const QString &what);
    int add(GrammarNode node);

    std::vector<GrammarNode> m_nodes;
    int m_root = -1;
    std::vector<int> m_noteRoots;
    QSet<QString> m_keywords;
    QSet<QString> m_functions;
    bool m_hasColourNames = false;
    QHash<QString, int> m_named; // named types and property references compiled so far
};
