#pragma once

class PropertyValues;

// Replaces the value of the shorthand at `index` by its parts' current values joined in
// the order the property table gives, lower-cased. A part counts when it is included and
// its value is not blank; a part with a fallback always counts. An index that is no
// shorthand changes nothing.
void composeShorthand(PropertyValues &values, int index);
