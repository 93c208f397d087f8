#include "FamilyCompleter.h"

#include "CssTokenizer.h"
#include "Property.h"
#include "ValueGrammar.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QStringListModel>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Type = CssToken::Type;

// The desktop's families, then CSS's generic ones; read once, when first needed.
const QStringList &families()
{
    static const QStringList all = [] {
        const QStringList generic{u"serif"_s,
                                  u"sans-serif"_s,
                                  u"monospace"_s,
                                  u"cursive"_s,
                                  u"fantasy"_s,
                                  u"system-ui"_s};
        QStringList names;
        for (const QString &family : QFontDatabase::families()) {
            // The desktop's own names for the generic families ("Monospace") would be read
            // by CSS as the generic ones anyway.
            if (!QFontDatabase::isPrivateFamily(family) &&
                !generic.contains(family, Qt::CaseInsensitive))
                names << family;
        }
        return names + generic;
    }();
    return all;
}

// Whether a Font value's token is its size.
bool isFontSize(const CssToken &token, QStringView text)
{
    static const int fontSize = Property::indexOf(u"font-size");
    return token.type == Type::Dimension || token.type == Type::Percentage ||
           (token.type == Type::Ident && isKeywordOf(fontSize, text) &&
            !CssTokenizer::equalsIgnoringAsciiCase(text, u"inherit"));
}

} // namespace

FamilyCompleter::FamilyCompleter(QComboBox *box, Where where)
    : QCompleter(box)
    , m_box(box)
    , m_where(where)
{
    setCaseSensitivity(Qt::CaseInsensitive);
    setCompletionMode(QCompleter::PopupCompletion);
    setMaxVisibleItems(10);
    setWidget(box);
    connect(box->lineEdit(), &QLineEdit::textEdited, this, &FamilyCompleter::offer);
    connect(
        this, qOverload<const QString &>(&QCompleter::activated), this, &FamilyCompleter::insert);
}

qsizetype FamilyCompleter::familyStart(QStringView value, Where where)
{
    CssTokenizer tokens(value);
    qsizetype start = where == Where::FamilyList ? 0 : -1;
    // A Font value's families follow its size and the line height after a "/".
    bool sized = where == Where::FamilyList;
    bool slashAllowed = false;
    bool lineHeightDue = false;
    for (CssToken token = tokens.next(); token.type != Type::End; token = tokens.next()) {
        const QStringView text = value.sliced(token.begin, token.size());
        if (token.type == Type::Whitespace || token.type == Type::Comment)
            continue;
        if (start >= 0) {
            if (token.type == Type::Comma)
                start = token.end;
        } else if (!sized) {
            sized = isFontSize(token, text);
            slashAllowed = sized;
        } else if (lineHeightDue) {
            lineHeightDue = false;
        } else if (slashAllowed && text == u"/") {
            slashAllowed = false;
            lineHeightDue = true;
        } else {
            start = token.type == Type::Comma ? token.end : token.begin;
        }
    }
    if (start < 0 && sized && !lineHeightDue)
        start = value.size(); // nothing typed of the families yet
    while (start >= 0 && start < value.size() && CssTokenizer::isWhitespace(value[start]))
        ++start;
    return start;
}

QString FamilyCompleter::written(const QString &family)
{
    const bool plain = !family.isEmpty() && !family.front().isDigit() &&
                       std::all_of(family.begin(), family.end(), [](QChar c) {
                           return c.isLetterOrNumber() || c == u'-';
                       });
    return plain ? family : u'"' + QString(family).replace(u'"', u"\\\""_s) + u'"';
}

void FamilyCompleter::offer()
{
    const QLineEdit *const edit = m_box->lineEdit();
    const QString text = edit->text();
    // Only a family typed at the end is completed; the value is read only then.
    const qsizetype start = edit->cursorPosition() == text.size() ? familyStart(text, m_where) : -1;
    QString typed = start >= 0 ? text.sliced(start) : QString();
    if (typed.startsWith(u'"') || typed.startsWith(u'\''))
        typed.remove(0, 1);
    if (typed.isEmpty()) {
        popup()->hide();
        return;
    }
    if (model() == nullptr)
        setModel(new QStringListModel(families(), this));
    setCompletionPrefix(typed);
    // Nothing to offer, or only what is typed already.
    if (completionCount() == 0 ||
        (completionCount() == 1 && currentCompletion().compare(typed, Qt::CaseInsensitive) == 0)) {
        popup()->hide();
        return;
    }
    complete();
}

void FamilyCompleter::insert(const QString &family)
{
    QLineEdit *const edit = m_box->lineEdit();
    const QString text = edit->text();
    const qsizetype start = familyStart(text, m_where);
    if (start < 0)
        return;
    // As the user would: the typed part selected and replaced, so that the box says it
    // was edited.
    edit->setSelection(int(start), int(text.size() - start));
    edit->insert(written(family));
}
