// libFuzzer harness for the style model.
//
// The input is a little program: a stream of operations on one loaded Catalogue plus a
// selector text and the "only changed properties" switch, the same things the main
// window does to the model. Beside the real catalogue the harness keeps its own shadow
// of it (plain arrays of values and flags, updated by the rules below and nothing else)
// and compares the two after every operation:
//   * a value changes only by "set value", "reset" (all back to their defaults), "load"
//     and composing a shorthand (that shorthand's value only);
//   * a flag changes only by "toggle", "CSS level" and "load", and is always 0 or 1;
//   * defaults, names and descriptions never change (checked after "load" and at the end);
//   * every built rule equals the text the harness builds itself from the shadow;
//   * a composed shorthand holds the joined included partial values (Font: non-empty,
//     ending in its family or "serif").
// Any difference prints what went wrong and aborts, which libFuzzer reports as a crash.

#include "Catalogue.h"
#include "Composer.h"
#include "RuleBuilder.h"
#include "RuleWindow.h"
#include "Vocabulary.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

constexpr int Count = Catalogue::Count;
constexpr qint16 Font = 42;
constexpr qint16 FontFamily = 43;
constexpr int MaxOperations = 400;

// ---------------------------------------------------------------------------------
// Reporting

// The text with everything outside printable ASCII escaped, for failure messages.
std::string shown(const QString &text)
{
    std::string out = "\"";
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7f && u != u'"' && u != u'\\') {
            out += static_cast<char>(u);
        } else {
            char buffer[12];
            std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(u));
            out += buffer;
        }
    }
    out += '"';
    return out;
}

// STYLOMAT_FUZZ_TRACE=1 prints each operation and each built rule, for reading what a
// single input does (./fuzz_model file).
bool tracing = false;

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "\n*** stylomat model check failed: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

void require(bool condition, const std::string &what)
{
    if (!condition)
        fail(what);
}

// ---------------------------------------------------------------------------------
// The harness's own text rules, kept apart from the model's TextNormal.

QString ownTrim(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QChar(u' '))
        ++first;
    while (last > first && text[last - 1] == QChar(u' '))
        --last;
    return text.mid(first, last - first);
}

QString ownLowerTrim(const QString &text)
{
    return ownTrim(text.toLower());
}

// A catalogue as load() leaves it. Each input starts from a copy: the copy shares the
// texts instead of allocating them again, which keeps the runs fast under ASan.
const Catalogue &loadedCatalogue()
{
    static const Catalogue loaded = [] {
        Catalogue c;
        c.load();
        return c;
    }();
    return loaded;
}

// ---------------------------------------------------------------------------------
// Shadow model

struct Shadow {
    // Index 0 unused so that the arrays read like the catalogue, 1 to 102.
    std::array<QString, Count + 1> value;
    std::array<int, Count + 1> flag{};
    std::array<QString, Count + 1> vychozi;
    std::array<QString, Count + 1> nazev;
    std::array<QString, Count + 1> popis;
    std::array<QString, Count + 1> lowerName;    // nazev lower-cased
    std::array<QString, Count + 1> lowerDefault; // vychozi lower-cased and trimmed
    QString selector;
    int onlyChanged = 0;
};

bool inRange(int index)
{
    return index >= 1 && index <= Count;
}

// The partial properties of a shorthand, or nullptr for any other index.
const Composition *compositionOf(int index)
{
    for (const Composition &c : compositionTable())
        if (c.shorthand == index)
            return &c;
    return nullptr;
}

// Equal texts; shared ones are equal without looking at each character.
bool same(const QString &a, const QString &b)
{
    return (a.size() == b.size() && a.constData() == b.constData()) || a == b;
}

// Flags and values, after every operation.
void compareWithShadow(const Catalogue &catalogue, const Shadow &shadow, const char *after)
{
    for (int i = 1; i <= Count; ++i) {
        const Vlastnost &v = catalogue.vlastnost(i);
        const qint16 flag = catalogue.zapsat(i);
        // The message is only put together when something is wrong.
        const auto where = [&] {
            return std::string(" (after ") + after + ", property " + std::to_string(i) + ")";
        };
        if (flag != 0 && flag != 1)
            fail("flag is " + std::to_string(flag) + where());
        if (flag != shadow.flag[i])
            fail("flag is " + std::to_string(flag) + ", expected " +
                 std::to_string(shadow.flag[i]) + where());
        if (!same(v.Hodnota, shadow.value[i]))
            fail("value is " + shown(v.Hodnota) + ", expected " + shown(shadow.value[i]) + where());
    }
}

// Defaults, names and descriptions have no setter; they are compared at the end of each
// input and after every load.
void compareFixedTexts(const Catalogue &catalogue, const Shadow &shadow, const char *after)
{
    for (int i = 1; i <= Count; ++i) {
        const Vlastnost &v = catalogue.vlastnost(i);
        const auto where = [&] {
            return std::string(" (after ") + after + ", property " + std::to_string(i) + ")";
        };
        if (!same(v.Vychozi, shadow.vychozi[i]))
            fail("default changed to " + shown(v.Vychozi) + where());
        if (!same(v.Nazev, shadow.nazev[i]))
            fail("name changed to " + shown(v.Nazev) + where());
        if (!same(v.Popis, shadow.popis[i]))
            fail("description changed to " + shown(v.Popis) + where());
    }
}

// After load(): every flag 1 and every value its default.
void loadShadow(const Catalogue &catalogue, Shadow &shadow)
{
    for (int i = 1; i <= Count; ++i) {
        const Vlastnost &v = catalogue.vlastnost(i);
        shadow.vychozi[i] = v.Vychozi;
        shadow.nazev[i] = v.Nazev;
        shadow.popis[i] = v.Popis;
        shadow.value[i] = v.Vychozi;
        shadow.flag[i] = 1;
    }
    // The fixed texts never change (compareWithShadow sees to that), so their lower-case
    // forms are worked out once.
    static const auto lowered = [&] {
        std::pair<std::array<QString, Count + 1>, std::array<QString, Count + 1>> l;
        for (int i = 1; i <= Count; ++i) {
            l.first[i] = shadow.nazev[i].toLower();
            l.second[i] = ownLowerTrim(shadow.vychozi[i]);
        }
        return l;
    }();
    shadow.lowerName = lowered.first;
    shadow.lowerDefault = lowered.second;
}

// The whole rule text as the shadow says it must read.
QString expectedRule(const Shadow &shadow)
{
    QString text;
    text.reserve(4096);
    text += ownLowerTrim(shadow.selector);
    text += u"\r\n  {";
    for (int i = 1; i <= Count; ++i) {
        if (shadow.flag[i] != 1)
            continue;
        const QString value = ownLowerTrim(shadow.value[i]);
        if (value.isEmpty())
            continue;
        if (shadow.onlyChanged == 1 && value == shadow.lowerDefault[i])
            continue;
        text += u"\r\n  ";
        text += shadow.lowerName[i];
        text += u": ";
        text += value;
        text += u';';
    }
    text += u"\r\n  }";
    return text;
}

void compareRule(const QString &actual, const QString &expected, const char *source)
{
    if (actual == expected)
        return;
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    const qsizetype from = std::max<qsizetype>(0, at - 40);
    fail(std::string(source) + " differs at position " + std::to_string(at) + " (lengths " +
         std::to_string(actual.size()) + " and " + std::to_string(expected.size()) +
         "):\n    got      ..." + shown(actual.mid(from, 100)) + "\n    expected ..." +
         shown(expected.mid(from, 100)));
}

// ---------------------------------------------------------------------------------
// The window as the rule builder sees it.

class Window : public RuleWindow {
public:
    QString selector;
    int onlyChanged = 0;
    QString pane;
    int replacements = 0;

    QString selectorText() const override { return selector; }
    int onlyChangedValue() const override { return onlyChanged; }
    QString paneText() const override { return pane; }
    void replacePaneText(const QString &text) override
    {
        pane = text;
        ++replacements;
    }
};

// ---------------------------------------------------------------------------------
// Input decoding

class Input {
public:
    Input(const uint8_t *data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }
    [[nodiscard]] bool atEnd() const { return pos_ >= size_; }
    // Zero once the input is used up, so that a cut-off operation still runs.
    uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    uint16_t word()
    {
        const uint16_t low = byte();
        return static_cast<uint16_t>(low | (byte() << 8));
    }
    uint32_t dword()
    {
        const uint32_t low = word();
        return low | (static_cast<uint32_t>(word()) << 16);
    }
    // Up to n raw bytes.
    QByteArray bytes(std::size_t n)
    {
        n = std::min(n, size_ - std::min(pos_, size_));
        QByteArray out(reinterpret_cast<const char *>(data_ + pos_), static_cast<qsizetype>(n));
        pos_ += n;
        return out;
    }

private:
    const uint8_t *data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Pieces that make case mapping, trimming and line splitting interesting.
const QStringList &alphabet()
{
    static const QStringList pieces = {
        QStringLiteral(" "),
        QStringLiteral(" "),
        QStringLiteral("\t"),
        QStringLiteral("\r"),
        QStringLiteral("\n"),
        QStringLiteral("\r\n"),
        QString(QChar(u'\0')),
        QString(QChar(0x0130)),       // I with dot above: lower case is two code units
        QString(QChar(0x0301)),       // combining acute
        QStringLiteral("\U0001F600"), // surrogate pair without case
        QStringLiteral("\U00010400"), // Deseret capital: lower case is another pair
        QString(QChar(0xD800)),       // lone high surrogate
        QString(QChar(0xDC00)),       // lone low surrogate
        QString(QChar(0x03A3)),       // capital sigma
        QString(QChar(0x00DF)),       // sharp s
        QString(QChar(0x1E9E)),       // capital sharp s
        QString(QChar(0x212A)),       // Kelvin sign, lower case is ASCII k
        QString(QChar(0x01C5)),       // title case Dz with caron
        QString(QChar(0xFB03)),       // ffi ligature
        QString(QChar(0x00A0)),       // no-break space: not trimmed
        QString(QChar(0x3000)),       // ideographic space: not trimmed
        QString(QChar(0xFEFF)),       // byte order mark
        QString(QChar(0x2028)),       // line separator
        QStringLiteral("A"),
        QStringLiteral("z"),
        QStringLiteral("I"),
        QStringLiteral(":"),
        QStringLiteral(";"),
        QStringLiteral("{"),
        QStringLiteral("}"),
        QStringLiteral("/"),
        QStringLiteral("0"),
        QStringLiteral("%"),
        QStringLiteral("MEDIUM"),
        QStringLiteral("Serif"),
        QString::fromUtf16(ComposeItem),
    };
    return pieces;
}

// A text from the input. vocabularyIndex chooses the word list of the fourth kind.
QString readText(Input &in, int vocabularyIndex)
{
    const uint8_t kind = in.byte();
    switch (kind % 4) {
    case 0: // UTF-8, malformed sequences included
        return QString::fromUtf8(in.bytes(in.byte() % 64));
    case 1: { // UTF-16, little-endian, lone surrogates included
        const std::size_t units = in.byte() % 32;
        QString text;
        for (std::size_t i = 0; i < units && !in.atEnd(); ++i)
            text += QChar(in.word());
        return text;
    }
    case 2: { // pieces of the alphabet
        const int pieces = in.byte() % 24;
        QString text;
        for (int i = 0; i < pieces && !in.atEnd(); ++i)
            text += alphabet()[in.byte() % alphabet().size()];
        return text;
    }
    default: { // a word the value box offers, or the default, dressed up
        const int index = inRange(vocabularyIndex) ? vocabularyIndex : 1 + vocabularyIndex % Count;
        const QStringList &words = vocabulary(index);
        const uint8_t pick = in.byte();
        QString text;
        if (pick % (words.size() + 1) == words.size())
            text = loadedCatalogue().vlastnost(index).Vychozi;
        else
            text = words[pick % (words.size() + 1)];
        const uint8_t dress = in.byte();
        if (dress & 0x01)
            text = text.toUpper();
        text =
            QString((dress >> 1) & 3, QChar(u' ')) + text + QString((dress >> 3) & 3, QChar(u' '));
        if (dress & 0x20)
            text += alphabet()[in.byte() % alphabet().size()];
        if (dress & 0x40)
            text.prepend(alphabet()[in.byte() % alphabet().size()]);
        return text;
    }
    }
}

// A property index: mostly 1..102, sometimes 0 or just past the end.
int readIndex(Input &in)
{
    return in.byte() % 112;
}

// Any index the composer may be handed, including negatives and far outside.
qint16 readComposeIndex(Input &in)
{
    const uint8_t b = in.byte();
    if (b & 0x80)
        return static_cast<qint16>(in.word());
    return static_cast<qint16>(b);
}

template <typename Call> void expectOutOfRange(Call &&call, const std::string &what)
{
    try {
        call();
    } catch (const std::out_of_range &) {
        return;
    } catch (const std::exception &e) {
        fail(what + " threw something else: " + e.what());
    }
    fail(what + " did not throw std::out_of_range");
}

// ---------------------------------------------------------------------------------
// Operations

void setValue(Input &in, Catalogue &catalogue, Shadow &shadow)
{
    const int index = readIndex(in);
    const QString text = readText(in, index);
    if (tracing)
        std::fprintf(stderr, "    %d := %s\n", index, shown(text).c_str());
    if (!inRange(index)) {
        expectOutOfRange([&] { catalogue.setHodnota(index, text); },
                         "setHodnota(" + std::to_string(index) + ")");
        expectOutOfRange([&] { (void)catalogue.vlastnost(index); },
                         "vlastnost(" + std::to_string(index) + ")");
        return;
    }
    catalogue.setHodnota(index, text);
    shadow.value[index] = text;
}

void toggleFlag(Input &in, Catalogue &catalogue, Shadow &shadow)
{
    const int index = readIndex(in);
    if (!inRange(index)) {
        if (tracing)
            std::fprintf(stderr, "    %d (outside)\n", index);
        expectOutOfRange([&] { (void)catalogue.zapsat(index); },
                         "zapsat(" + std::to_string(index) + ")");
        expectOutOfRange([&] { catalogue.setZapsat(index, 1); },
                         "setZapsat(" + std::to_string(index) + ")");
        return;
    }
    // The check box writes 1 when ticked and 0 when not.
    const qint16 next = catalogue.zapsat(index) == 1 ? 0 : 1;
    if (tracing)
        std::fprintf(stderr, "    %d := %d\n", index, next);
    catalogue.setZapsat(index, next);
    shadow.flag[index] = shadow.flag[index] == 1 ? 0 : 1;
}

void compose(Input &in, Catalogue &catalogue, Shadow &shadow)
{
    const qint16 index = readComposeIndex(in);
    const Composition *c = compositionOf(index);
    if (tracing)
        std::fprintf(stderr, "    %d%s\n", index, c != nullptr ? " (shorthand)" : "");
    try {
        SlozeniHodnot(catalogue, index);
    } catch (const std::exception &e) {
        fail("SlozeniHodnot(" + std::to_string(index) + ") threw: " + e.what());
    }
    if (c == nullptr)
        return; // compareWithShadow checks that nothing changed

    const QString composed = catalogue.vlastnost(index).Hodnota;
    if (index == Font) {
        require(!composed.isEmpty(), "Font composed to an empty value");
        const QString family = ownTrim(shadow.value[FontFamily]);
        const QString ending =
            QStringLiteral(" ") + (family.isEmpty() ? QStringLiteral("serif") : family);
        require(composed.endsWith(ending),
                "Font " + shown(composed) + " does not end in the family " + shown(ending));
    } else {
        QStringList included;
        for (const qint16 part : c->partials()) {
            if (shadow.flag[part] != 1)
                continue;
            const QString word = ownTrim(shadow.value[part]);
            if (!word.isEmpty())
                included += word;
        }
        const QString expected = ownLowerTrim(included.join(QChar(u' ')));
        require(composed == expected, "shorthand " + std::to_string(index) + " composed to " +
                                          shown(composed) + ", expected " + shown(expected));
    }
    shadow.value[index] = composed;
}

void selectCss(Input &in, Catalogue &catalogue, Shadow &shadow)
{
    const uint8_t b = in.byte();
    int level = 0;
    switch (b % 4) {
    case 0:
        level = 1;
        break;
    case 1:
        level = 2;
        break;
    case 2:
        level = 0;
        break;
    default:
        level = static_cast<int>(in.dword());
        break;
    }
    if (tracing)
        std::fprintf(stderr, "    %d\n", level);
    catalogue.selectCssLevel(level);
    if (level == 1) {
        for (const qint16 i : Catalogue::notInCss1())
            shadow.flag[i] = 0;
    } else {
        for (int i = 1; i <= Count; ++i)
            shadow.flag[i] = 1;
    }
}

void reset(Catalogue &catalogue, Shadow &shadow)
{
    catalogue.resetValues();
    for (int i = 1; i <= Count; ++i)
        shadow.value[i] = shadow.vychozi[i];
}

void reload(Catalogue &catalogue, Shadow &shadow)
{
    catalogue.load();
    for (int i = 1; i <= Count; ++i) {
        shadow.value[i] = shadow.vychozi[i];
        shadow.flag[i] = 1;
    }
}

void setSelector(Input &in, Shadow &shadow)
{
    shadow.selector = readText(in, in.byte());
    if (tracing)
        std::fprintf(stderr, "    %s\n", shown(shadow.selector).c_str());
}

void setSwitch(Input &in, Shadow &shadow)
{
    const uint8_t b = in.byte();
    if (b & 1)
        shadow.onlyChanged = shadow.onlyChanged == 1 ? 0 : 1;
    else
        shadow.onlyChanged = static_cast<int8_t>(b) >> 1; // -64..63: only 1 means ticked
    if (tracing)
        std::fprintf(stderr, "    %d\n", shadow.onlyChanged);
}

void buildRule(const Catalogue &catalogue, const Shadow &shadow)
{
    const QString expected = expectedRule(shadow);
    compareRule(ruleText(shadow.selector, shadow.onlyChanged, catalogue), expected, "ruleText");

    Window window;
    window.selector = shadow.selector;
    window.onlyChanged = shadow.onlyChanged;
    window.pane = QStringLiteral("stale");
    KonstrukceStylu(window, catalogue);
    require(window.replacements == 1,
            "KonstrukceStylu replaced the pane " + std::to_string(window.replacements) + " times");
    compareRule(window.pane, expected, "KonstrukceStylu");
    if (tracing)
        std::fprintf(stderr, "    rule %s\n", shown(expected).c_str());
}

// ---------------------------------------------------------------------------------
// One-time checks of the fixed tables the shadow relies on.

void checkTables()
{
    const auto &css1 = Catalogue::notInCss1();
    for (std::size_t k = 0; k < css1.size(); ++k) {
        require(inRange(css1[k]), "notInCss1 lists " + std::to_string(css1[k]));
        require(k == 0 || css1[k - 1] < css1[k], "notInCss1 is not strictly ascending");
    }

    const auto table = compositionTable();
    require(table.size() == 14, "compositionTable has " + std::to_string(table.size()) + " rows");
    for (std::size_t k = 0; k < table.size(); ++k) {
        const Composition &c = table[k];
        require(inRange(c.shorthand), "shorthand index " + std::to_string(c.shorthand));
        require(k == 0 || table[k - 1].shorthand < c.shorthand, "shorthands not ascending");
        require(c.partCount >= 1 && c.partCount <= c.parts.size(), "bad partial count");
        for (const qint16 part : c.partials()) {
            require(inRange(part), "partial index " + std::to_string(part));
            require(compositionOf(part) == nullptr, "a partial is itself a shorthand");
        }
    }
    require(compositionOf(Font) != nullptr, "Font is no shorthand");

    // Before load() the catalogue is empty and excludes everything.
    const Catalogue empty;
    for (int i = 1; i <= Count; ++i) {
        require(empty.zapsat(i) == 0, "unloaded flag " + std::to_string(i) + " is not 0");
        const Vlastnost &v = empty.vlastnost(i);
        require(v.Vychozi.isEmpty() && v.Nazev.isEmpty() && v.Popis.isEmpty() &&
                    v.Hodnota.isEmpty(),
                "unloaded property " + std::to_string(i) + " is not empty");
    }

    Catalogue loaded;
    loaded.load();
    for (int i = 1; i <= Count; ++i) {
        const Vlastnost &v = loaded.vlastnost(i);
        require(!v.Nazev.isEmpty(), "property " + std::to_string(i) + " has no name");
        require(v.Hodnota == v.Vychozi, "property " + std::to_string(i) + " loads off default");
        require(loaded.zapsat(i) == 1, "property " + std::to_string(i) + " loads unticked");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const char *trace = std::getenv("STYLOMAT_FUZZ_TRACE");
    tracing = trace != nullptr && *trace != '\0' && *trace != '0';
    checkTables();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    Input in(data, size);
    Catalogue catalogue = loadedCatalogue();
    Shadow shadow;
    loadShadow(catalogue, shadow);

    for (int step = 0; step < MaxOperations && !in.atEnd(); ++step) {
        const uint8_t op = in.byte();
        static constexpr const char *names[10] = {
            "set value",    "toggle flag", "compose", "CSS level",  "reset",
            "set selector", "switch",      "load",    "build rule", "set value"};
        const char *name = names[op % 10];
        if (tracing)
            std::fprintf(stderr, "%s\n", name);
        switch (op % 10) {
        case 0:
            setValue(in, catalogue, shadow);
            break;
        case 1:
            toggleFlag(in, catalogue, shadow);
            break;
        case 2:
            compose(in, catalogue, shadow);
            break;
        case 3:
            selectCss(in, catalogue, shadow);
            break;
        case 4:
            reset(catalogue, shadow);
            break;
        case 5:
            setSelector(in, shadow);
            break;
        case 6:
            setSwitch(in, shadow);
            break;
        case 7:
            reload(catalogue, shadow);
            compareFixedTexts(catalogue, shadow, name);
            break;
        case 8:
            buildRule(catalogue, shadow);
            break;
        default:
            setValue(in, catalogue, shadow);
            break;
        }
        compareWithShadow(catalogue, shadow, name);
    }
    // Every input ends with a rule, so that each one checks the text at least once.
    buildRule(catalogue, shadow);
    compareFixedTexts(catalogue, shadow, "the last operation");
    return 0;
}
