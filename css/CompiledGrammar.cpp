#include "CompiledGrammar.h"

#include "CssTokenizer.h"
#include "Keywords.h"

#include <QStringList>

using Kind = GrammarNode::Kind;
using namespace Qt::StringLiterals;

namespace {

// The types CSS 2.1 names in its property definitions, and what today's browsers accept
// as a colour, in the notation of the property table.
struct NamedType {
    QStringView name;
    QStringView notation;
};

constexpr NamedType NamedTypes[] = {
    {u"margin-width", u"<length> | <percentage> | auto"},
    {u"padding-width", u"<length [0,∞]> | <percentage [0,∞]>"},
    {u"absolute-size", u"xx-small | x-small | small | medium | large | x-large | xx-large"},
    {u"relative-size", u"larger | smaller"},
    {u"generic-family", u"serif | sans-serif | cursive | fantasy | monospace"},
    {u"family-name", u"<string> | <identifier>+"},
    {u"counter",
     u"counter( <identifier> [ , <'list-style-type'> ]? ) | "
     u"counters( <identifier> , <string> [ , <'list-style-type'> ]? )"},
    // Commas between the sides, or white space as older style sheets have it.
    {u"shape", u"rect( [ <length> | auto ]#{4} ) | rect( [ <length> | auto ]{4} )"},
    {u"color",
     u"<hex-color> | <named-color> | rgb( <rgb-arguments> ) | "
     u"rgba( <rgb-arguments> ) | hsl( <hsl-arguments> ) | hsla( <hsl-arguments> )"},
    {u"rgb-arguments",
     u"<percentage>#{3} [ , <alpha-value> ]? | <number>#{3} [ , <alpha-value> ]? "
     u"| [ <number> | <percentage> ]{3} [ / <alpha-value> ]?"},
    {u"hsl-arguments",
     u"<hue> , <percentage> , <percentage> [ , <alpha-value> ]? | "
     u"<hue> <percentage> <percentage> [ / <alpha-value> ]?"},
    {u"hue", u"<number> | <angle>"},
    {u"alpha-value", u"<number> | <percentage>"},
};

// The notation of a named type, or a null string for a name that is none.
QString namedNotation(QStringView name)
{
    if (name == u"border-style")
        return keywords::alternatives(keywords::borderStyles());
    if (name == u"outline-style")
        return keywords::alternatives(keywords::outlineStyles());
    if (name == u"border-width")
        return keywords::alternatives(keywords::borderWidths()) +
               QString::fromUtf16(u" | <length [0,∞]>");
    for (const NamedType &type : NamedTypes) {
        if (type.name == name)
            return type.notation.toString();
    }
    return {};
}

struct LeafType {
    QStringView name;
    Kind kind;
};

constexpr LeafType LeafTypes[] = {
    {u"length", Kind::Length},
    {u"percentage", Kind::Percentage},
    {u"number", Kind::Number},
    {u"integer", Kind::WholeNumber},
    {u"angle", Kind::Angle},
    {u"string", Kind::String},
    {u"uri", Kind::Uri},
    {u"identifier", Kind::Identifier},
    {u"hex-color", Kind::HexColour},
    {u"named-color", Kind::NamedColour},
    // Today's CSS: types its definitions leave to prose.
    {u"time", Kind::Time},
    {u"frequency", Kind::Frequency},
    {u"resolution", Kind::Resolution},
    {u"flex", Kind::Flex},
    {u"url", Kind::Uri},
    {u"ident", Kind::AnyIdent},
    {u"custom-ident", Kind::CustomIdent},
    {u"dashed-ident", Kind::DashedIdent},
    {u"custom-property-name", Kind::DashedIdent},
    {u"zero", Kind::Integer}, // the number 0
    {u"declaration-value", Kind::Anything},
    {u"any-value", Kind::Anything},
};

// The notation writes its keywords in lower case.
bool isWordCharacter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-';
}

} // namespace

// Recursive descent over the notation, loosest combinator first: "|", then "||", then
// "&&", then juxtaposition; a multiplier binds to the component before it.
class CompiledGrammar::Parser {
public:
    Parser(CompiledGrammar &grammar, QStringView text, const QString &what)
        : m_grammar(grammar)
        , m_text(text)
        , m_what(what)
    {
    }

    int parseAll()
    {
        const int root = oneOf(); // which stops only at a character it cannot take
        if (m_at < m_text.size())
            fail("text after the grammar");
        return root;
    }

private:
    [[noreturn]] void fail(const char *what) const
    {
        qFatal("value grammar of %s: %s at %lld: %s",
               qPrintable(m_what),
               what,
               static_cast<long long>(m_at),
               qPrintable(m_text.toString()));
    }

    // The next character, or a NUL at the end.
    [[nodiscard]] QChar peek() const { return m_at < m_text.size() ? m_text[m_at] : QChar(); }

    void skipSpaces()
    {
        while (peek() == u' ')
            ++m_at;
    }

    // Skips spaces and takes `op` if it comes next; "|" is never taken from "||".
    bool take(QStringView op)
    {
        skipSpaces();
        if (!m_text.sliced(m_at).startsWith(op))
            return false;
        if (op == u"|" && m_text.sliced(m_at).startsWith(u"||"))
            return false;
        m_at += op.size();
        return true;
    }

    bool atEndOfSequence()
    {
        skipSpaces();
        if (m_at >= m_text.size())
            return true;
        const QChar c = m_text[m_at];
        return c == u'|' || c == u']' || c == u')' || m_text.sliced(m_at).startsWith(u"&&");
    }

    int combined(Kind kind, int (Parser::*part)(), QStringView op)
    {
        const int first = (this->*part)();
        if (!take(op))
            return first;
        GrammarNode node(kind);
        node.children = {first};
        do
            node.children.push_back((this->*part)());
        while (take(op));
        if (kind != Kind::OneOf && node.children.size() > 16)
            fail("more than 16 parts in any order"); // the matcher keeps them in 16 bits
        if (kind == Kind::OneOf)
            markPercentages(node.children);
        return m_grammar.add(node);
    }

    // <length> | <percentage>: the length takes a calc() of both.
    void markPercentages(const std::vector<int> &alternatives)
    {
        const auto node = [this](int i) -> GrammarNode & {
            return m_grammar.m_nodes[std::size_t(i)];
        };
        if (std::none_of(alternatives.begin(), alternatives.end(), [&](int i) {
                return node(i).kind == Kind::Percentage;
            }))
            return;
        for (const int i : alternatives)
            node(i).percentages = true;
    }

    int oneOf() { return combined(Kind::OneOf, &Parser::anyOf, u"|"); }
    int anyOf() { return combined(Kind::AnyOf, &Parser::allOf, u"||"); }
    int allOf() { return combined(Kind::AllOf, &Parser::sequence, u"&&"); }

    int sequence()
    {
        GrammarNode node(Kind::Sequence);
        while (!atEndOfSequence())
            node.children.push_back(component());
        if (node.children.empty())
            fail("empty sequence");
        return node.children.size() == 1 ? node.children.front() : m_grammar.add(node);
    }

    int component()
    {
        int child = primary();
        for (;;) {
            double low = 0;
            double high = 0;
            bool commas = false;
            if (peek() == u'#') {
                ++m_at;
                commas = true;
                low = 1;
                high = std::numeric_limits<double>::infinity();
                if (peek() == u'{')
                    range(low, high);
            } else if (peek() == u'{') {
                range(low, high);
            } else if (peek() == u'!') {
                ++m_at;
                GrammarNode node(Kind::NonEmpty);
                node.children = {child};
                child = m_grammar.add(node);
                continue;
            } else if (!peek().isNull() && QStringView(u"?*+").contains(peek())) {
                const QChar c = m_text[m_at++];
                low = c == u'+' ? 1 : 0;
                high = c == u'?' ? 1 : std::numeric_limits<double>::infinity();
            } else {
                return child;
            }
            GrammarNode node(Kind::Repeat);
            node.low = low;
            node.high = high;
            node.commas = commas;
            node.children = {child};
            child = m_grammar.add(node);
        }
    }

    // "{a}", "{a,}" or "{a,b}".
    void range(double &low, double &high)
    {
        const qsizetype close = m_text.indexOf(u'}', m_at);
        if (close < 0)
            fail("unclosed {");
        const QStringView inside = m_text.sliced(m_at + 1, close - m_at - 1);
        const qsizetype comma = inside.indexOf(u',');
        bool ok = true;
        low = inside.first(comma < 0 ? inside.size() : comma).toInt(&ok);
        high = comma < 0                    ? low
               : comma == inside.size() - 1 ? std::numeric_limits<double>::infinity()
                                            : inside.sliced(comma + 1).toInt(&ok);
        if (!ok || high < low)
            fail("bad {a,b}");
        m_at = close + 1;
    }

    int primary() // after atEndOfSequence(), which skipped the spaces
    {
        const QChar c = m_text[m_at];
        if (c == u'[') {
            ++m_at;
            const int inside = oneOf();
            if (!take(u"]"))
                fail("missing ]");
            return inside;
        }
        if (c == u'<')
            return type();
        if (c == u',' || c == u'/') {
            ++m_at;
            return m_grammar.add(GrammarNode(c == u',' ? Kind::Comma : Kind::Slash));
        }
        if (c == u'\'') { // a quoted character: '['
            if (m_at + 2 >= m_text.size() || m_text[m_at + 2] != u'\'')
                fail("bad quoted character");
            m_at += 3;
            return m_grammar.add(GrammarNode(Kind::Literal, m_text.sliced(m_at - 2, 1).toString()));
        }
        const qsizetype start = m_at;
        while (isWordCharacter(peek()))
            ++m_at;
        if (m_at == start)
            fail("unexpected character");
        const QString word = m_text.sliced(start, m_at - start).toString();
        if (peek() == u'(') {
            ++m_at;
            GrammarNode node(Kind::Function, word);
            node.children = {oneOf()};
            if (!take(u")"))
                fail("missing )");
            m_grammar.m_functions.insert(word);
            return m_grammar.add(node);
        }
        bool isInteger = false;
        const int integer = word.toInt(&isInteger);
        if (isInteger) {
            GrammarNode node(Kind::Integer, word);
            node.low = node.high = integer;
            return m_grammar.add(node);
        }
        m_grammar.m_keywords.insert(word);
        return m_grammar.add(GrammarNode(Kind::Keyword, word));
    }

    // "<type>", "<type [low,high]>" or "<'property'>".
    int type()
    {
        const qsizetype close = m_text.indexOf(u'>', m_at);
        if (close < 0)
            fail("unclosed <");
        const QStringView inside = m_text.sliced(m_at + 1, close - m_at - 1).trimmed();
        m_at = close + 1;
        const qsizetype bracket = inside.indexOf(u'[');
        const QStringView name = inside.first(bracket < 0 ? inside.size() : bracket).trimmed();
        for (const LeafType &leaf : LeafTypes) {
            if (name != leaf.name)
                continue;
            GrammarNode node(leaf.kind);
            if (leaf.kind == Kind::Integer) {
                node.low = node.high = 0;
            } else if (bracket >= 0) {
                bounds(inside.sliced(bracket), node);
            } else if (m_grammar.m_range) {
                node.low = m_grammar.m_range->first;
                node.high = m_grammar.m_range->second;
            }
            m_grammar.m_hasColourNames =
                m_grammar.m_hasColourNames || leaf.kind == Kind::NamedColour;
            return m_grammar.add(node);
        }
        if (bracket < 0)
            return m_grammar.compileNamed(name.toString(), m_what);
        if (!m_grammar.m_types)
            fail("a range on a type that is no number");
        // Today's <length-percentage [0,∞]>: the range holds for every number the type
        // takes, so the type is compiled apart for it.
        GrammarNode bounded(Kind::Number);
        bounds(inside.sliced(bracket), bounded);
        const auto outer = m_grammar.m_range;
        m_grammar.m_range = std::make_pair(bounded.low, bounded.high);
        const int root = m_grammar.compileNamed(name.toString(), m_what);
        m_grammar.m_range = outer;
        return root;
    }

    // "[low,high]", each a number, "∞" or "-∞".
    void bounds(QStringView text, GrammarNode &node)
    {
        if (!text.endsWith(u']') || !text.contains(u','))
            fail("bad range");
        const QStringView inside = text.sliced(1, text.size() - 2);
        const qsizetype comma = inside.indexOf(u',');
        const auto bound = [this](QStringView b) {
            b = b.trimmed();
            if (b == u"∞" || b == u"-∞")
                return b.startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                          : std::numeric_limits<double>::infinity();
            bool ok = false;
            const double value = b.toDouble(&ok);
            if (!ok)
                fail("bad bound");
            return value;
        };
        node.low = bound(inside.first(comma));
        node.high = bound(inside.sliced(comma + 1));
    }

    CompiledGrammar &m_grammar;
    QStringView m_text;
    const QString &m_what;
    qsizetype m_at = 0;
};

CompiledGrammar::CompiledGrammar(QStringView notation, const QStringList &noteNotations,
                                 const PropertyNotations &properties, const QString &what,
                                 const TypeNotations &types)
    : m_properties(properties)
    , m_types(types)
{
    if (!notation.isEmpty())
        m_root = compile(notation, what);
    for (const QString &note : noteNotations)
        m_noteRoots.push_back(compile(note, what));
}

CompiledGrammar::CompiledGrammar(QStringView notation)
    : CompiledGrammar(notation, {}, {}, QStringLiteral("a test"))
{
}

int CompiledGrammar::compile(QStringView notation, const QString &what)
{
    return Parser(*this, notation, what).parseAll();
}

int CompiledGrammar::compileNamed(const QString &type, const QString &what)
{
    // A type compiled within a range is another grammar than the same type without.
    const QString name =
        m_range ? type + u" [%1,%2]"_s.arg(m_range->first).arg(m_range->second) : type;
    if (const auto found = m_named.constFind(name); found != m_named.cend()) {
        if (*found >= 0)
            return *found;
        // Referred to from within itself: a stand-in, pointed at the grammar once it is done.
        if (const auto standIn = m_standIns.constFind(name); standIn != m_standIns.cend())
            return *standIn;
        const int standIn = add(GrammarNode(Kind::OneOf));
        m_standIns.insert(name, standIn);
        return standIn;
    }
    m_named.insert(name, -1);
    int root = -1;
    if (type.startsWith(u'\'') && type.endsWith(u'\'') && type.size() > 2) {
        const QString notation =
            m_properties ? m_properties(QStringView(type).sliced(1, type.size() - 2)) : QString();
        if (notation.isEmpty())
            qFatal("value grammar of %s: no grammar for <%s>", qPrintable(what), qPrintable(name));
        root = compile(notation, what);
        // A property's grammar lists "inherit", which stands only for the whole value.
        std::vector<int> &alternatives = m_nodes[std::size_t(root)].children;
        if (m_nodes[std::size_t(root)].kind == Kind::OneOf)
            std::erase_if(alternatives, [this](int child) {
                const GrammarNode &n = m_nodes[std::size_t(child)];
                return n.kind == Kind::Keyword && n.text == u"inherit";
            });
    } else if (m_types) {
        const QString notation = m_types(type);
        root = notation.isNull() ? add(GrammarNode(Kind::Anything)) : compile(notation, what);
    } else {
        const QString notation = namedNotation(type);
        if (notation.isNull())
            qFatal("value grammar of %s: unknown type <%s>", qPrintable(what), qPrintable(name));
        root = compile(notation, what);
    }
    m_named.insert(name, root);
    if (const auto standIn = m_standIns.constFind(name); standIn != m_standIns.cend())
        m_nodes[std::size_t(*standIn)].children = {root};
    return root;
}

int CompiledGrammar::add(GrammarNode node)
{
    m_nodes.push_back(std::move(node));
    return int(m_nodes.size() - 1);
}
