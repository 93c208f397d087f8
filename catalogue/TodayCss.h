#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>

#include <memory>
#include <mutex>
#include <vector>

class CompiledGrammar;

// Today's CSS as its modules define it, and how far browsers support it:
// catalogue/today/css.txt, written by tools/css-data from the packages named in it and
// compiled in. Its grammars are read on first use and each property's grammar compiled on
// its first check; the Baseline records are looked up in the text itself. Start-up, which
// asks for Baseline support of the rows it shows, so pays for none of the grammars.
class TodayCss {
public:
    struct Property {
        QString name;   // lower case
        QString module; // the CSS module that defines it: "CSS Display 4"
        QString notation;
    };

    [[nodiscard]] static const TodayCss &instance();
    ~TodayCss();
    TodayCss(const TodayCss &) = delete;
    TodayCss &operator=(const TodayCss &) = delete;

    // The index of a property by its name in lower case, a legacy alias
    // ("-webkit-transition") read as the property; -1 for none.
    [[nodiscard]] int indexOf(QStringView name) const;
    [[nodiscard]] const Property &property(int index) const
    {
        return records().properties[std::size_t(index)];
    }
    [[nodiscard]] int count() const { return int(records().properties.size()); }
    // The property's grammar, compiled on first use.
    [[nodiscard]] const CompiledGrammar &grammar(int index) const;
    // The module that defines a function, by its name in lower case ("rgb"); empty when
    // the data has none.
    [[nodiscard]] QString functionModule(QStringView name) const;
    // What the Baseline data says of a property ("display") or one of its keywords
    // ("display flex"), in the user's language: "Baseline: widely available since 2018";
    // empty when it has no entry.
    [[nodiscard]] QString support(QStringView key) const;
    // Whether the Baseline data has the key in at least one browser.
    [[nodiscard]] bool isSupported(QStringView key) const;

private:
    TodayCss();

    // Everything but the Baseline records, read on first use.
    struct Records {
        std::vector<Property> properties;
        QHash<QString, int> byName;
        QHash<QString, QString> types;
        QHash<QString, QString> functionModules;
    };
    [[nodiscard]] const Records &records() const;
    // The Baseline record of a key ("h2018"), or an empty view.
    [[nodiscard]] QByteArrayView supportRecord(QStringView key) const;

    QByteArray m_text;
    // Where the Baseline records, sorted by key, begin and end in the text.
    qsizetype m_supportBegin = 0;
    qsizetype m_supportEnd = 0;
    mutable std::once_flag m_read;
    mutable Records m_records;
    mutable std::unique_ptr<std::once_flag[]> m_compiled;
    mutable std::vector<std::unique_ptr<CompiledGrammar>> m_grammars;
};
