#pragma once

#include <QString>

// One catalogue record. Only Hodnota changes after the catalogue is loaded.
struct Vlastnost {
    QString Vychozi; // default value, may be empty
    QString Nazev;   // CSS name with its first letter upper case
    QString Popis;   // Czech one-line description, may be empty
    QString Hodnota; // current value: any text the user typed
};
