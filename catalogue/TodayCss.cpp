#include "TodayCss.h"

#include "CompiledGrammar.h"

#include <QCoreApplication>
#include <QResource>

namespace {

// The start of the line `at` is in.
qsizetype lineStart(QByteArrayView text, qsizetype from, qsizetype at)
{
    while (at > from && text[at - 1] != '\n')
        --at;
    return at;
}

// The end of the line that starts at `at`, its line break left out.
qsizetype lineEnd(QByteArrayView text, qsizetype at)
{
    const qsizetype end = text.indexOf('\n', at);
    return end < 0 ? text.size() : end;
}

} // namespace

TodayCss::TodayCss()
{
    const QResource file(QStringLiteral(":/today/css.txt"));
    if (!file.isValid()) // compiled in: only a broken build lacks it
        qFatal("today's CSS data is missing");
    m_text = file.compressionAlgorithm() == QResource::NoCompression
                 ? QByteArray::fromRawData(reinterpret_cast<const char *>(file.data()),
                                           qsizetype(file.size()))
                 : file.uncompressedData();
    // Reading all of it took 13 ms of a start-up that needs only the Baseline records: those
    // are the last, found by bisection in the text, as is each of them.
    const QByteArrayView text(m_text);
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype start = lineStart(text, low, low + (high - low) / 2);
        if (text.sliced(start).startsWith("b\t"))
            high = start;
        else
            low = std::min(lineEnd(text, start) + 1, high);
    }
    m_supportBegin = low;
    m_supportEnd = text.size();
}

TodayCss::~TodayCss() = default;

const TodayCss &TodayCss::instance()
{
    static const TodayCss data;
    return data;
}

const TodayCss::Records &TodayCss::records() const
{
    std::call_once(m_read, [this] {
        const QString text = QString::fromUtf8(QByteArrayView(m_text).first(m_supportBegin));
        QHash<QString, QString> aliases;
        Records &r = m_records;
        for (const QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(u'#'))
                continue;
            const QList<QStringView> f = line.split(u'\t');
            const QChar kind = f.front().front();
            if (kind == u'p' && f.size() == 4) {
                r.byName.insert(f[1].toString(), int(r.properties.size()));
                r.properties.push_back({f[1].toString(), f[2].toString(), f[3].toString()});
            } else if (kind == u'a' && f.size() == 3) {
                aliases.insert(f[1].toString(), f[2].toString());
            } else if (kind == u't' && f.size() == 3) {
                r.types.insert(f[1].toString(), f[2].toString());
            } else if (kind == u'f' && f.size() == 3) {
                r.functionModules.insert(f[1].first(f[1].size() - 2).toString(), f[2].toString());
            } else {
                qFatal("today's CSS data: a bad line: %s", qPrintable(line.toString()));
            }
        }
        for (auto a = aliases.cbegin(); a != aliases.cend(); ++a)
            r.byName.insert(a.key(), r.byName.value(a.value(), -1));
        m_compiled = std::make_unique<std::once_flag[]>(r.properties.size());
        m_grammars.resize(r.properties.size());
    });
    return m_records;
}

int TodayCss::indexOf(QStringView name) const
{
    return records().byName.value(name.toString(), -1);
}

const CompiledGrammar &TodayCss::grammar(int index) const
{
    const Records &r = records();
    std::call_once(m_compiled[std::size_t(index)], [this, &r, index] {
        const Property &p = r.properties[std::size_t(index)];
        const auto properties = [this, &r](QStringView name) {
            const int i = indexOf(name);
            // A reference the data cannot resolve takes any tokens.
            return i < 0 ? QStringLiteral("<any-value>") : r.properties[std::size_t(i)].notation;
        };
        const auto types = [&r](QStringView name) { return r.types.value(name.toString()); };
        m_grammars[std::size_t(index)] =
            std::make_unique<CompiledGrammar>(p.notation, QStringList(), properties, p.name, types);
    });
    return *m_grammars[std::size_t(index)];
}

QString TodayCss::functionModule(QStringView name) const
{
    return records().functionModules.value(name.toString());
}

QByteArrayView TodayCss::supportRecord(QStringView key) const
{
    const QByteArrayView text(m_text);
    qsizetype low = m_supportBegin; // both at the start of a line
    qsizetype high = m_supportEnd;
    while (low < high) {
        const qsizetype start = lineStart(text, low, low + (high - low) / 2);
        const qsizetype end = lineEnd(text, start);
        const QByteArrayView line = text.sliced(start, end - start);
        const qsizetype tab = line.indexOf('\t', 2);
        if (!line.startsWith("b\t") || tab < 0)
            qFatal("today's CSS data: a bad Baseline line");
        const int order = QLatin1StringView(line.sliced(2, tab - 2)).compare(key);
        if (order == 0)
            return line.sliced(tab + 1);
        if (order < 0)
            low = std::min(end + 1, high);
        else
            high = start;
    }
    return {};
}

bool TodayCss::isSupported(QStringView key) const
{
    const QByteArrayView record = supportRecord(key);
    return !record.isEmpty() && (record.front() != '-' || record.count(' ') < 3);
}

QString TodayCss::support(QStringView key) const
{
    const QByteArrayView record = supportRecord(key);
    if (record.isEmpty())
        return {};
    const QString rest = QString::fromLatin1(record.sliced(1));
    switch (record.front()) {
    case 'h':
        return QCoreApplication::translate("Baseline", "Baseline: široce dostupné od %1").arg(rest);
    case 'l':
        return QCoreApplication::translate("Baseline", "Baseline: nově dostupné od %1").arg(rest);
    default:
        return QCoreApplication::translate("Baseline", "Omezená podpora: chybí v %1")
            .arg(rest.split(u' ').join(QStringLiteral(", ")));
    }
}
