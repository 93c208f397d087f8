#pragma once

#include <QAccessibleWidget>

class EditableCombo;

// What a screen reader meets in an EditableCombo: a combo box named by its accessible name
// whatever it holds (Qt's own names an editable box by its text on Linux), with the value
// as its value, the list and the text field as children, and the list to open.
class ValueBoxAccessible : public QAccessibleWidget {
public:
    explicit ValueBoxAccessible(EditableCombo *box);

    // Makes every EditableCombo speak through this class; once is enough.
    static void install();

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface *child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override;
    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    [[nodiscard]] EditableCombo *box() const;
};
