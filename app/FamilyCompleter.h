#pragma once

#include <QCompleter>

class QComboBox;

// Completes a font family being typed at the end of a value box, from the families installed
// on the desktop and CSS's generic families: after the last comma of a family list, or of
// the families that end a Font value. A list pops up under the box; the family picked
// replaces what was typed of it, quoted when its name has more than letters, digits and
// hyphens, as an edit of the text.
class FamilyCompleter : public QCompleter {
    Q_OBJECT

public:
    enum class Where { FamilyList, FontValue };

    FamilyCompleter(QComboBox *box, Where where);

    [[nodiscard]] Where where() const { return m_where; }

    // Where the family being typed starts in `value`, or -1 when none is: in a Font value
    // only after its size.
    [[nodiscard]] static qsizetype familyStart(QStringView value, Where where);
    // A family as CSS writes it.
    [[nodiscard]] static QString written(const QString &family);

private:
    void offer();
    void insert(const QString &family);

    QComboBox *const m_box;
    const Where m_where;
};
