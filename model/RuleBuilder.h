#pragma once

class Catalogue;
class QString;

// The rule: the selector line, "  {", one "  name: value;" line per written property in
// catalogue order, "  }", joined by CR LF with none after the last line. The selector,
// names and values are lower-cased and trimmed of spaces. A property is written when it
// is included and its value is not blank; with onlyChanged, also only when its value
// differs from its default after the same normalising.
[[nodiscard]] QString ruleText(const QString &selector, bool onlyChanged,
                               const Catalogue &catalogue);
