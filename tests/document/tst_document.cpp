// The document without a window: the user's acts as its verbs, the rule, the note and the
// undo history they leave, and what it says changed.
#include "History.h"
#include "RuleDocument.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

int named(const QString &name)
{
    const int index = Property::indexOf(name);
    if (index == 0)
        qFatal("no property %s", qPrintable(name));
    return index;
}

// Runs the steps, one a line, on a new document; a failure names the step.
//   set NAME TEXT | type NAME TEXT (keystrokes after the value) | end (the typing run)
//   tick NAME 0|1 | selector TEXT | switch 0|1 | css 1|2 | reset | compose NAME
//   read TEXT | paste TEXT (over the rule: taken only if it reads as one) | undo | redo
//   draft 0|1 (text typed over the rule waits, or not)
// and checks:
//   rule TEXT (line breaks as "|") | note TEXT | value NAME TEXT | steps UNDO REDO (0 or 1
//   each) | changed NAMES (the properties the last step said changed, space-separated)
//   | restored NAME | verdict NAME valid|dropped|invalid|later|inactive | returned 0|1 (by
//   read, paste)
QString run(const QStringList &steps)
{
    RuleDocument document;
    QList<int> changed;
    int restored = -1;
    bool returned = false;
    QObject::connect(
        &document, &RuleDocument::propertyChanged, &document, [&](int p) { changed << p; });
    QObject::connect(&document, &RuleDocument::restored, &document, [&](int p) { restored = p; });
    for (qsizetype n = 0; n < steps.size(); ++n) {
        const QString &step = steps[n];
        const QString verb = step.section(u' ', 0, 0);
        const QString all = step.section(u' ', 1);
        const QString name = step.section(u' ', 1, 1);
        const QString rest = step.section(u' ', 2);
        QString fault;
        const auto expect = [&fault](const QString &actual, const QString &expected) {
            if (actual != expected)
                fault = u"is \"%1\", expected \"%2\""_s.arg(actual, expected);
        };
        const bool acts = verb != u"rule"_s && verb != u"note"_s && verb != u"value"_s &&
                          verb != u"steps"_s && verb != u"changed"_s && verb != u"restored"_s &&
                          verb != u"verdict"_s && verb != u"returned"_s;
        if (acts)
            changed.clear();
        if (verb == u"set"_s) {
            document.setValue(named(name), rest, RuleDocument::Edit::Other);
        } else if (verb == u"type"_s) {
            QString typed = document.value(named(name));
            for (const QChar c : rest)
                document.setValue(named(name), typed += c, RuleDocument::Edit::Typing);
        } else if (verb == u"end"_s) {
            document.endTypingRun();
        } else if (verb == u"tick"_s) {
            document.setIncluded(named(name), rest == u"1"_s);
        } else if (verb == u"selector"_s) {
            document.setSelector(all, RuleDocument::Edit::Typing);
        } else if (verb == u"switch"_s) {
            document.setOnlyChanged(all == u"1"_s);
        } else if (verb == u"css"_s) {
            document.selectCssLevel(all == u"1"_s ? CssLevel::Css1 : CssLevel::Css2);
        } else if (verb == u"reset"_s) {
            document.resetValues();
        } else if (verb == u"compose"_s) {
            document.compose(named(all));
        } else if (verb == u"read"_s) {
            returned = document.read(all);
        } else if (verb == u"paste"_s) {
            returned = document.readIfRule(all);
        } else if (verb == u"undo"_s) {
            document.undo();
        } else if (verb == u"redo"_s) {
            document.redo();
        } else if (verb == u"draft"_s) {
            document.setDraftPending(all == u"1"_s);
        } else if (verb == u"rule"_s) {
            expect(document.ruleText().replace(u"\r\n"_s, u"|"_s), all);
        } else if (verb == u"note"_s) {
            expect(document.note(), all);
        } else if (verb == u"value"_s) {
            expect(document.value(named(name)), rest);
        } else if (verb == u"steps"_s) {
            expect(u"%1 %2"_s.arg(int(document.canUndo())).arg(int(document.canRedo())), all);
        } else if (verb == u"changed"_s) {
            QStringList names;
            for (const int p : std::as_const(changed))
                names << Property::at(p).name.toLower();
            expect(names.join(u' '), all);
        } else if (verb == u"restored"_s) {
            expect(restored > 0 ? Property::at(restored).name.toLower() : QString::number(restored),
                   all);
        } else if (verb == u"verdict"_s) {
            static const char *const kinds[] = {"valid", "dropped", "invalid", "later", "inactive"};
            expect(QString::fromLatin1(kinds[int(document.verdict(named(name)).kind)]), rest);
        } else if (verb == u"returned"_s) {
            expect(QString::number(int(returned)), all);
        } else {
            fault = u"no such step"_s;
        }
        if (!fault.isEmpty())
            return u"step %1 \"%2\": %3"_s.arg(n + 1).arg(step, fault);
    }
    return {};
}

} // namespace

class TestDocument : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void acts_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("at start: no declaration, nothing to undo")
            << QStringList{u"rule |  {|  }"_s, u"steps 0 0"_s, u"note "_s};
        QTest::newRow("keystrokes in one box are one step until the run ends") << QStringList{
            u"type color red"_s,
            u"end"_s,
            u"type color dish"_s,
            u"rule |  {|  color: reddish;|  }"_s,
            u"undo"_s,
            u"rule |  {|  color: red;|  }"_s,
            u"restored color"_s,
            u"undo"_s,
            u"rule |  {|  }"_s,
            u"steps 0 1"_s,
            u"redo"_s,
            u"redo"_s,
            u"value color reddish"_s,
        };
        QTest::newRow("typed in two boxes without a break, two steps") << QStringList{
            u"type color red"_s,
            u"type width 1em"_s,
            u"undo"_s,
            u"rule |  {|  color: red;|  }"_s,
        };
        QTest::newRow("typed and taken back leaves no step") << QStringList{
            u"type color x"_s,
            u"set background-color transparent"_s,
            u"end"_s,
            u"type color "_s,
            u"set color "_s,
            u"undo"_s,
            u"rule |  {|  color: x;|  }"_s,
        };
        QTest::newRow("a change of nothing is no step") << QStringList{
            u"set color red"_s,
            u"css 2"_s,
            u"set color red"_s,
            u"changed "_s,
            u"switch 1"_s,
            u"undo"_s,
            u"rule |  {|  }"_s,
            u"steps 0 1"_s,
        };
        QTest::newRow("a tick, the switch, CSS 1 and reset, each a step") << QStringList{
            u"set color red"_s,
            u"tick color 0"_s,
            u"rule |  {|  }"_s,
            u"changed color"_s,
            u"tick color 1"_s,
            u"switch 0"_s,
            u"css 1"_s,
            u"changed border-bottom-color border-bottom-style border-collapse border-left-color "
            u"border-left-style border-right-color border-right-style border-spacing "
            u"border-top-color border-top-style bottom caption-side clip content "
            u"counter-increment counter-reset cursor direction empty-cells font-size-adjust "
            u"font-stretch left marker-offset marks max-height max-width min-height min-width "
            u"orphans outline outline-color outline-style outline-width overflow page "
            u"page-break-after page-break-before page-break-inside position quotes right size "
            u"table-layout top unicode-bidi visibility widows z-index"_s,
            u"reset"_s,
            u"changed color"_s,
            u"undo"_s,
            u"undo"_s,
            u"undo"_s,
            u"rule |  {|  color: red;|  }"_s,
        };
        QTest::newRow("the selector, typed, one step") << QStringList{
            u"selector DIV "_s,
            u"rule div|  {|  }"_s,
            u"selector DIV P"_s,
            u"undo"_s,
            u"rule |  {|  }"_s,
            u"restored 0"_s,
        };
        QTest::newRow("the compose item composes, a step of its own") << QStringList{
            u"set margin-top 1em"_s,
            u"set margin složit z dílčích hodnot"_s,
            u"value margin 1em 0 0 0"_s,
            u"changed margin"_s,
            u"compose color"_s,
            u"changed "_s,
            u"undo"_s,
            u"value margin "_s,
            u"value margin-top 1em"_s,
        };
        QTest::newRow("a read takes the rule and says what lost") << QStringList{
            u"read P { Margin: 0 auto; COLOR: #333 !important; junk; color: #444 }"_s,
            u"returned 1"_s,
            u"rule p|  {|  color: #333 !important;|  margin: 0 auto;|  junk;|  }"_s,
            u"note Převzato deklarací: 2. Přepsáno: color: #444. Ponecháno jiných částí: 1."_s,
            u"set width 1px"_s,
            u"note "_s,
            u"undo"_s,
            u"undo"_s,
            u"rule |  {|  }"_s,
        };
        QTest::newRow("a text that cannot be read changes nothing; its note stays while it waits")
            << QStringList{
                   u"set color red"_s,
                   u"draft 1"_s,
                   u"read p { color: 'a; }"_s,
                   u"returned 0"_s,
                   u"rule |  {|  color: red;|  }"_s,
                   u"note Pravidlo nelze načíst: neuzavřený řetězec (řádek 1, znak 12). Text "
                   u"zůstává, jak je napsán."_s,
                   u"set width 1px"_s,
                   u"steps 1 0"_s,
                   u"note Pravidlo nelze načíst: neuzavřený řetězec (řádek 1, znak 12). Text "
                   u"zůstává, jak je napsán."_s,
                   u"draft 0"_s,
                   u"undo"_s,
                   u"note "_s,
               };
        QTest::newRow("a read that changes nothing says nothing")
            << QStringList{u"read {}"_s, u"returned 1"_s, u"note "_s, u"steps 0 0"_s};
        QTest::newRow("given over the rule, only a rule or declarations are taken") << QStringList{
            u"paste div "_s,
            u"returned 0"_s,
            u"rule |  {|  }"_s,
            u"paste color: #333; margin: 0 auto"_s,
            u"returned 1"_s,
            u"rule |  {|  color: #333;|  margin: 0 auto;|  }"_s,
        };
        QTest::newRow("lines read in an order that decides keep it") << QStringList{
            u"read border-width: thin; border-left: solid; inset: 0; left: 5px"_s,
            u"rule |  {|  border-width: thin;|  border-left: solid;|  inset: 0;|  left: 5px;|  }"_s,
            u"note Převzato deklarací: 3. Neznámé vlastnosti ponechány: inset. Některé deklarace "
            u"zůstávají v pořadí textu, aby platilo totéž."_s,
            u"set border-width thick"_s,
            u"rule |  {|  border-width: thick;|  border-left: solid;|  inset: 0;|  left: 5px;|  }"_s,
            // Set in the window, after what it overlaps: the value box says what applies.
            u"set border-left-color red"_s,
            u"rule |  {|  border-width: thick;|  border-left: solid;|  border-left-color: red;|  "
            u"inset: 0;|  left: 5px;|  }"_s,
        };
        QTest::newRow("fallbacks stand beside the declaration that wins") << QStringList{
            u"read display: -webkit-box; display: block; color: red; display: -moz-box"_s,
            u"rule |  {|  color: red;|  display: -webkit-box;|  display: block;|  "
            u"display: -moz-box;|  }"_s,
            u"note Převzato deklarací: 2. Ponecháno záložních deklarací: 2."_s,
        };
        QTest::newRow("comments between declarations stay, others go, and the note says where")
            << QStringList{
                   u"read P/**/.x { /* a */ color: red; margin: /* b */ 0 } /* c */"_s,
                   u"rule p.x|  {|  color: red;|  margin: 0;|  /* a */;|  }"_s,
                   u"note Převzato deklarací: 2. Vynecháno komentářů: 3, první (řádek 1, znak 2)."_s,
               };
        QTest::newRow("CSS's recovery: a block left open closes, a nested rule stays")
            << QStringList{
                   u"read a { color: red; &:hover { color: blue } margin: 0"_s,
                   u"rule a|  {|  color: red;|  margin: 0;|  &:hover { color: blue }|  }"_s,
                   u"note Převzato deklarací: 2. Ponecháno jiných částí: 1. Text končí uvnitř "
                   u"pravidla: uzavřeno na konci."_s,
                   u"read @media screen { p { color: red } }"_s,
                   u"returned 0"_s,
                   u"note Pravidlo nelze načíst: pravidlo se zavináčem (@media, @page…) místo "
                   u"pravidla stylu (řádek 1, znak 1). Text zůstává, jak je napsán."_s,
               };
        QTest::newRow("a value's meaning follows the value") << QStringList{
            u"type margin-left 10"_s,
            u"verdict margin-left invalid"_s,
            u"type margin-left px"_s,
            u"verdict margin-left valid"_s,
            u"set caption-side left"_s,
            u"verdict caption-side dropped"_s,
            u"undo"_s,
            u"verdict caption-side valid"_s,
            u"set display flex"_s,
            u"verdict display later"_s,
        };
        QTest::newRow("whether a value does anything follows what a browser keeps of the rule")
            << QStringList{
                   u"selector span"_s,
                   u"set top 1px"_s,
                   u"verdict top inactive"_s,
                   u"set position absolute"_s,
                   u"verdict top valid"_s,
                   u"set position statik"_s,
                   u"verdict top inactive"_s,
                   u"tick top 0"_s,
                   u"verdict top valid"_s,
               };
    }
    void acts()
    {
        QFETCH(QStringList, steps);
        const QString fault = run(steps);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // Each change says once that the lines changed, after the state has changed.
    void linesChangedOnce()
    {
        RuleDocument document;
        QSignalSpy lines(&document, &RuleDocument::linesChanged);
        QString seen;
        connect(&document, &RuleDocument::linesChanged, this, [&] { seen = document.ruleText(); });
        document.setValue(named(u"color"_s), u"red"_s, RuleDocument::Edit::Other);
        QCOMPARE(lines.count(), 1);
        QCOMPARE(seen, u"\r\n  {\r\n  color: red;\r\n  }"_s);
        document.setValue(named(u"color"_s), u"red"_s, RuleDocument::Edit::Other);
        QCOMPARE(lines.count(), 1);
    }

    // A step keeps what changed; a change of nothing is no step; typing in one box folds
    // into one step, and typed and taken back leaves none; the bound holds in steps and in
    // the text the steps hold.
    void history()
    {
        History history;
        QList<RuleState> states(1);
        const auto change = [&](int property, const QString &value, int run) {
            RuleState next = states.last();
            next.values.setValue(property, value);
            history.record(states.last(), next, property, run);
            states << next;
        };
        history.record(states[0], states[0], 0, 0);
        QVERIFY(!history.canUndo());
        change(33, u"r"_s, 1);
        change(33, u"re"_s, 1);
        change(33, u"red"_s, 2);
        QCOMPARE(history.stepCount(), 2);
        RuleState now = states.last();
        QCOMPARE(history.undo(now), std::optional<int>(33));
        QVERIFY(now == states[2]);
        QCOMPARE(history.undo(now), std::optional<int>(33));
        QVERIFY(now == states[0]);
        QCOMPARE(history.undo(now), std::nullopt);
        QVERIFY(history.redo(now) && history.redo(now) && now == states.last());
        change(3, u"x"_s, 3);
        change(3, Property::at(3).defaultValue, 3);
        QCOMPARE(history.stepCount(), 2);

        for (int n = 0; n < History::MaxSteps + 20; ++n)
            change(1 + n % PropertyCount, QString::number(n), 0);
        QCOMPARE(history.stepCount(), History::MaxSteps);
        // Each step holds its 1 MB value twice: before and after.
        const QString megabyte(1 << 19, u'x');
        for (int n = 0; n < 40; ++n)
            change(4, megabyte + QString::number(n), 0);
        QVERIFY(history.textBytes() <= History::MaxTextBytes);
        const qsizetype kept = history.stepCount();
        QVERIFY(kept >= 30 && kept < 40);
        now = states.last();
        while (history.undo(now)) {
        }
        QCOMPARE(now.values.value(4), megabyte + QString::number(40 - kept - 1));
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
