#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <memory>
#include <mutex>
#include <vector>

class CompiledGrammar;

// Today's CSS as its specifications define it, and how far browsers support it:
// catalogue/today/css.txt, written by tools/css-data from the packages named in it and
// compiled in. It is read on first use, and each property's grammar compiled on its first
// check, so that start-up pays for none of it.
class TodayCss {
public:
    struct Property {
        QString name;   // lower case
        QString module; // the specification that defines it: "CSS Display 4"
        QString notation;
    };

    [[nodiscard]] static const TodayCss &instance();
    ~TodayCss();
    TodayCss(const TodayCss &) = delete;
    TodayCss &operator=(const TodayCss &) = delete;

    // The index of a property by its name in lower case, a legacy alias
    // ("-webkit-transition") read as the property; -1 for none.
    [[nodiscard]] int indexOf(QStringView name) const;
    [[nodiscard]] const Property &property(int index) const { return m_properties[index]; }
    [[nodiscard]] int count() const { return int(m_properties.size()); }
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

    std::vector<Property> m_properties;
    QHash<QString, int> m_byName;
    QHash<QString, QString> m_types;
    QHash<QString, QString> m_functionModules;
    QHash<QString, QString> m_support;
    std::unique_ptr<std::once_flag[]> m_compiled;
    mutable std::vector<std::unique_ptr<CompiledGrammar>> m_grammars;
};
