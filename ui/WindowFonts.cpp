#include "WindowFonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal PointSize = 9.75;

bool suitsThePane(const QFont &font) {
    if (!QFontInfo(font).fixedPitch())
        return false;
    const QFontMetrics metrics(font);
    for (const QChar c : u"ěščřžýáíéůúťďňĚŠČŘŽÝÁÍÉŮÚŤĎŇ"_s)
        if (!metrics.inFont(c))
            return false;
    return true;
}

} // namespace

QFont windowFont() {
    QFont font(u"Times New Roman"_s);
    font.setPointSizeF(PointSize);
    font.setStyleHint(QFont::Serif);
    return font;
}

QFont paneFont() {
    for (const QString &family : {u"Courier New CE"_s, u"Courier New"_s, u"Liberation Mono"_s}) {
        // No style hint here: with one, a missing family would quietly become some other
        // fixed font before "Courier New" had the chance to find its metric twin.
        QFont font(family);
        font.setPointSizeF(PointSize);
        if (suitsThePane(font))
            return font;
    }
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(PointSize);
    return fixed;
}
