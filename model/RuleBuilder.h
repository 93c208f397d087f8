#pragma once

#include <QStringList>

class Catalogue;

// The declarations the rule writes, "name: value;" each: for every property in catalogue
// order that is included and whose value is not blank (with onlyChanged, also not its
// default: both lower-cased and trimmed of spaces first), the lower-cased name and the
// lower-cased, trimmed value; then the catalogue's kept declarations as written.
[[nodiscard]] QStringList declarations(bool onlyChanged, const Catalogue &catalogue);

// The rule: the selector line (lower-cased, trimmed of spaces), "  {", each declaration
// indented by two spaces, "  }", joined by CR LF with none after the last line.
[[nodiscard]] QString ruleText(const QString &selector, bool onlyChanged,
                               const Catalogue &catalogue);

// The declarations alone, one per line, joined by CR LF.
[[nodiscard]] QString declarationText(bool onlyChanged, const Catalogue &catalogue);

// The declarations as an HTML attribute, style="name: value; name: value", with & and "
// in them written as &amp; and &quot;.
[[nodiscard]] QString styleAttribute(bool onlyChanged, const Catalogue &catalogue);
