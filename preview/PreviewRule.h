#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>

class RuleLines;
struct DeclarationPiece;

// The rule as the preview draws it: the selector and the declarations as the rule writes
// them, each a name (ASCII lower case, as CSS matches it) and its value, and the pieces
// that are no declaration, as written.
struct PreviewRule {
    QString selector;
    QList<std::pair<QString, QString>> declarations;
    QStringList others;

    // The rule of these lines: every declaration in the rule's order, the kept ones read
    // as CSS reads them.
    [[nodiscard]] static PreviewRule of(const RuleLines &lines);
    // A rule's text as CSS reads it, in the text's order; nothing when it cannot be read.
    [[nodiscard]] static PreviewRule read(QStringView text);

private:
    void add(const DeclarationPiece &piece);
};
