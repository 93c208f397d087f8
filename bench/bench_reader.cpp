// How long reading a rule typed or pasted into the pane takes: the largest texts a user is
// likely to paste, and texts made to be slow.
#include "RuleReader.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype OneMegabyte = 1 << 20;

// `part` repeated until the text has at least one megabyte, and how many times it went in.
std::pair<QString, qsizetype> megabyteOf(const QString &part)
{
    const qsizetype times = (OneMegabyte + part.size() - 1) / part.size();
    return {part.repeated(times), times};
}

} // namespace

class BenchReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<int>("error");

        const auto [body, times] = megabyteOf(
            u"\n  margin: 0 auto; /* kept from the old sheet */ background: url(\"a;b.png\") "
            "no-repeat;\n  font-family: \"Times New Roman\", serif !important; color: #333;"_s);
        QTest::addRow("1 MB rule")
            << u"body.main > p:hover, a[href$=\".pdf\"] {"_s + body + u"\n}"_s << int(times * 4)
            << int(ReadRule::Error::None);

        const QString declarations = u"\n  color: #333;"_s.repeated(10000);
        QTest::addRow("10,000 declarations")
            << u"p {"_s + declarations + u"\n}"_s << 10000 << int(ReadRule::Error::None);

        const auto [mixed, mixedTimes] =
            megabyteOf(u"n\0m: \xDC00\U0001F600 \u05E9\u05DC\u05D5\u05DD \xD800;"_s);
        QTest::addRow("1 MB NULs, surrogates, emoji, RTL")
            << mixed << int(mixedTimes) << int(ReadRule::Error::None);
        QTest::addRow("1 MB open brackets")
            << megabyteOf(u"(["_s).first << 0 << int(ReadRule::Error::UnclosedBracket);
        QTest::addRow("1 MB empty pieces")
            << megabyteOf(u";"_s).first << 0 << int(ReadRule::Error::None);
        QTest::addRow("1 MB comments, one piece kept as written")
            << megabyteOf(u"/**/"_s).first << 1 << int(ReadRule::Error::None);
        QTest::addRow("1 MB comments kept between / and *")
            << u"a:"_s + megabyteOf(u"//**/*"_s).first << 1 << int(ReadRule::Error::None);
        QTest::addRow("1 MB unclosed comment openers")
            << megabyteOf(u"/*"_s).first << 0 << int(ReadRule::Error::UnclosedComment);
        QTest::addRow("1 MB after an unclosed quote") << u"a: \""_s + megabyteOf(u"\\;'"_s).first
                                                      << 0 << int(ReadRule::Error::UnclosedString);
    }

    void read()
    {
        QFETCH(QString, text);
        QFETCH(int, pieces);
        QFETCH(int, error);
        ReadRule rule;
        QBENCHMARK
        {
            rule = readRule(text);
        }
        QCOMPARE(int(rule.error), error);
        QCOMPARE(rule.pieces.size(), pieces);
    }
};

QTEST_GUILESS_MAIN(BenchReader)
#include "bench_reader.moc"
