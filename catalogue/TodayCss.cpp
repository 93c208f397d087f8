#include "TodayCss.h"

#include "CompiledGrammar.h"

#include <QCoreApplication>
#include <QFile>

TodayCss::TodayCss()
{
    QFile file(QStringLiteral(":/today/css.txt"));
    if (!file.open(QIODevice::ReadOnly)) // compiled in: only a broken build lacks it
        qFatal("today's CSS data is missing");
    const QString text = QString::fromUtf8(file.readAll());
    QHash<QString, QString> aliases;
    for (const QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'#'))
            continue;
        const QList<QStringView> f = line.split(u'\t');
        const QChar kind = f.front().front();
        if (kind == u'p' && f.size() == 4) {
            m_byName.insert(f[1].toString(), int(m_properties.size()));
            m_properties.push_back({f[1].toString(), f[2].toString(), f[3].toString()});
        } else if (kind == u'a' && f.size() == 3) {
            aliases.insert(f[1].toString(), f[2].toString());
        } else if (kind == u't' && f.size() == 3) {
            m_types.insert(f[1].toString(), f[2].toString());
        } else if (kind == u'f' && f.size() == 3) {
            m_functionModules.insert(f[1].first(f[1].size() - 2).toString(), f[2].toString());
        } else if (kind == u'b' && f.size() == 3) {
            m_support.insert(f[1].toString(), f[2].toString());
        } else {
            qFatal("today's CSS data: a bad line: %s", qPrintable(line.toString()));
        }
    }
    for (auto a = aliases.cbegin(); a != aliases.cend(); ++a)
        m_byName.insert(a.key(), m_byName.value(a.value(), -1));
    m_compiled = std::make_unique<std::once_flag[]>(m_properties.size());
    m_grammars.resize(m_properties.size());
}

TodayCss::~TodayCss() = default;

const TodayCss &TodayCss::instance()
{
    static const TodayCss data;
    return data;
}

int TodayCss::indexOf(QStringView name) const
{
    return m_byName.value(name.toString(), -1);
}

const CompiledGrammar &TodayCss::grammar(int index) const
{
    std::call_once(m_compiled[std::size_t(index)], [this, index] {
        const Property &p = m_properties[std::size_t(index)];
        const auto properties = [this](QStringView name) {
            const int i = indexOf(name);
            // A reference the data cannot resolve takes any tokens.
            return i < 0 ? QStringLiteral("<any-value>") : m_properties[std::size_t(i)].notation;
        };
        const auto types = [this](QStringView name) { return m_types.value(name.toString()); };
        m_grammars[std::size_t(index)] =
            std::make_unique<CompiledGrammar>(p.notation, QStringList(), properties, p.name, types);
    });
    return *m_grammars[std::size_t(index)];
}

QString TodayCss::functionModule(QStringView name) const
{
    return m_functionModules.value(name.toString());
}

bool TodayCss::isSupported(QStringView key) const
{
    const QString record = m_support.value(key.toString());
    return !record.isEmpty() && (record.front() != u'-' || record.count(u' ') < 3);
}

QString TodayCss::support(QStringView key) const
{
    const QString record = m_support.value(key.toString());
    if (record.isEmpty())
        return {};
    const QString rest = record.sliced(1);
    switch (record.front().unicode()) {
    case u'h':
        return QCoreApplication::translate("Baseline", "Baseline: široce dostupné od %1").arg(rest);
    case u'l':
        return QCoreApplication::translate("Baseline", "Baseline: nově dostupné od %1").arg(rest);
    default:
        return QCoreApplication::translate("Baseline", "Omezená podpora: chybí v %1")
            .arg(rest.split(u' ').join(QStringLiteral(", ")));
    }
}
