#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringView>

#include <functional>
#include <limits>
#include <optional>
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
        Time, // and the other dimensions of today's CSS
        Frequency,
        Resolution,
        Flex,
        AnyIdent,    // <ident>: any name
        CustomIdent, // a name of the author's: any but the keywords every property takes
        DashedIdent, // a name that starts with "--"
        Literal,     // `text`, a character quoted in the notation: "'['"
        Anything,    // one or more tokens, blocks whole: what the notation cannot say
        // Composites over `children`.
        Function, // `text(` … `)`, its one child matching all that is inside
        Sequence, // juxtaposition: each in turn
        AllOf,    // &&: each once, in any order
        AnyOf,    // ||: one or more, each at most once, in any order
        OneOf,    // |
        Repeat,   // the one child `low` to `high` times, comma-separated when `commas`
        NonEmpty, // the one child, taking at least one token: "[ a? b? ]!"
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
    // A dimension that a percentage may stand beside: a calc() mixing the two fits it.
    bool percentages = false;
    std::vector<int> children;
};

// A value grammar in CSS's value-definition notation (see ValueGrammar.h), and those of
// other values noted beside it, compiled into nodes of one graph. Named types and
// references to properties are compiled in place, each once, references without the
// "inherit" their own grammar lists; a type may refer to itself. A fault in a notation
// stops the program: notations are the program's own.
class CompiledGrammar {
public:
    // The notation of a property's grammar, by name ("font-size"), for <'font-size'>.
    using PropertyNotations = std::function<QString(QStringView property)>;
    // The notation of a named type ("color", "rgb()"), or a null string for a type the
    // notations do not define, which then takes any tokens.
    using TypeNotations = std::function<QString(QStringView type)>;

    // `notation` may be empty: then root() is -1. `what` names it in a fault's message.
    // Without `types`, named types are those of CSS 2.1 (and today's colours), and an
    // unknown one is a fault.
    CompiledGrammar(QStringView notation, const QStringList &noteNotations,
                    const PropertyNotations &properties, const QString &what,
                    const TypeNotations &types = {});
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
    // Named types and property references compiled so far, -1 while one is being compiled,
    // and the stand-ins of those referred to from within themselves.
    QHash<QString, int> m_named;
    QHash<QString, int> m_standIns;
    // The range every number takes while a type with one is compiled: <length [0,∞]>.
    std::optional<std::pair<double, double>> m_range;
    PropertyNotations m_properties;
    TypeNotations m_types;
};
