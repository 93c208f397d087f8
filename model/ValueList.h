#pragma once

class QString;

// A value box's item list, as far as filling it goes.
class ValueList {
public:
    virtual ~ValueList() = default;
    virtual void clearItems() = 0;
    virtual void appendItem(const QString &item) = 0;

protected:
    ValueList() = default;
    ValueList(const ValueList &) = default;
    ValueList &operator=(const ValueList &) = default;
};

// The page of ten rows: which property the top row shows (the scroll value) and
// each row's value box, rows numbered 1 to 10.
class RowPage {
public:
    virtual ~RowPage() = default;
    [[nodiscard]] virtual int firstVisible() const = 0;
    [[nodiscard]] virtual ValueList &valueList(int row) = 0;

protected:
    RowPage() = default;
    RowPage(const RowPage &) = default;
    RowPage &operator=(const RowPage &) = default;
};
