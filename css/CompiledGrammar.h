#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringView>

#include <functional>
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

// A value grammar in CSS's value-definition notation (see ValueGrammar.h), and those of
// other values noted beside it, compiled into nodes of one graph. Named types and
// references to properties are compiled in place, references without the "inherit" their
// own grammar lists. A fault in a notation stops the program: notations are the
// program's own.
class CompiledGrammar {
public:
    // The notation of a property's grammar, by name ("font-size"), for <'font-size'>.
    using PropertyNotations = std::function<QString(QStringView property)>;

    // `notation` may be empty: then root() is -1. `what` names it in a fault's message.
    CompiledGrammar(QStringView notation, const QStringList &noteNotations,
                    const PropertyNotations &properties, const QString &what);
    // A grammar from its notation alone, for testing the notation itself.
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
    PropertyNotations m_properties;
};
