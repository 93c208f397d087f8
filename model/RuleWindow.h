#pragma once

#include <QString>

// What the rule builder needs from the window: the selector box's text, the value
// of the "only changed properties" switch (chkStyl) and the rule pane's whole text.
class RuleWindow {
public:
    virtual ~RuleWindow() = default;

    [[nodiscard]] virtual QString selectorText() const = 0;
    [[nodiscard]] virtual int onlyChangedValue() const = 0; // 1 ticked, else unticked
    [[nodiscard]] virtual QString paneText() const = 0;
    virtual void replacePaneText(const QString &text) = 0;

protected:
    RuleWindow() = default;
    RuleWindow(const RuleWindow &) = default;
    RuleWindow &operator=(const RuleWindow &) = default;
};
