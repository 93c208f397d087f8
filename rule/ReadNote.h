#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringView>

struct ImportedRule;
struct ReadRule;

// What the note beside the rows says of a read of the pane: short, the space is small.
class ReadNote {
    Q_DECLARE_TR_FUNCTIONS(ReadNote)

public:
    // What a read of `text` took, what lost and what was left out.
    [[nodiscard]] static QString taken(const ImportedRule &imported, QStringView text);
    // Why `text` could not be read, and where (line and character, from 1).
    [[nodiscard]] static QString unreadable(const ReadRule &read, QStringView text);

private:
    // "(řádek 2, znak 5)": where `at` is in `text`.
    [[nodiscard]] static QString place(QStringView text, qsizetype at);
};
