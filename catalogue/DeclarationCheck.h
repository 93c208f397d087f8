#pragma once

#include <QStringView>

// Whether a browser of today keeps a declaration of any property: its value is valid by
// CSS 2.1's grammar or today's (checkDeclaration()), it is a custom property, or a
// vendor's property no CSS module defines. An unknown name and a value CSS 2.1 dropped
// and today's CSS has not are dropped. A declaration a browser drops does not take part
// in the cascade.
[[nodiscard]] bool browserAccepts(QStringView name, QStringView value);
