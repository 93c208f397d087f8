#pragma once

#include <QStringView>

// Whether a browser of today keeps a declaration: its value is valid by the property's
// grammar, or it is a property the program cannot judge. A declaration a browser drops
// does not take part in the cascade.
[[nodiscard]] bool browserAccepts(QStringView name, QStringView value);
