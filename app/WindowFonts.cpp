#include "WindowFonts.h"

#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// The first of the families that is installed. Qt would ask fontconfig for substitutes
// of every missing family it is given, which costs milliseconds; the installed list is
// no more than a look into Qt's own, which the first text needs anyway.
QFont firstOf(QStringList families, QFont::StyleHint hint)
{
    const QStringList installed = QFontDatabase::families();
    families.removeIf([&installed](const QString &family) { return !installed.contains(family); });
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSizeF(9.75);
    return font;
}

} // namespace

QFont windowFont()
{
    return firstOf({u"Times New Roman"_s, u"Liberation Serif"_s}, QFont::Serif);
}

QFont paneFont()
{
    return firstOf({u"Courier New CE"_s, u"Courier New"_s, u"Liberation Mono"_s},
                   QFont::TypeWriter);
}
