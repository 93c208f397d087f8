#include "WindowFonts.h"

#include <QFontDatabase>
#include <QList>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal PointSize = 9.75;

// Asks the font database only, without loading any font: an installed family that is
// fixed-pitch and covers Latin scripts, Czech letters included.
bool suitsThePane(const QString &family)
{
    return QFontDatabase::hasFamily(family) && QFontDatabase::isFixedPitch(family) &&
           QFontDatabase::writingSystems(family).contains(QFontDatabase::Latin);
}

} // namespace

QFont windowFont()
{
    QFont font(u"Times New Roman"_s);
    font.setPointSizeF(PointSize);
    font.setStyleHint(QFont::Serif);
    return font;
}

QFont paneFont()
{
    // "Courier New" is often only an alias; Liberation Mono is its metric twin.
    for (const QString &family : {u"Courier New CE"_s, u"Courier New"_s, u"Liberation Mono"_s}) {
        if (suitsThePane(family)) {
            QFont font(family);
            font.setPointSizeF(PointSize);
            return font;
        }
    }
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(PointSize);
    return fixed;
}
