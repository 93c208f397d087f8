#pragma once

class Catalogue;
class QString;
class RuleWindow;

// The rule text: the selector line, "  {", one "  name: value;" line per written
// property in catalogue order, "  }", joined by CR LF with none after the last line.
// onlyChanged is the switch's value; only 1 leaves out values equal to the default.
[[nodiscard]] QString ruleText(const QString &selector, int onlyChanged,
                               const Catalogue &catalogue);

// Rebuilds the whole rule from the window's selector and switch into its pane.
void KonstrukceStylu(RuleWindow &window, const Catalogue &catalogue);
