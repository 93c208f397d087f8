#include "PreviewCanvas.h"

#include "HtmlCanvas.h"
#include "PreviewDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

// The module's functions, resolved once; all null when it could not be loaded.
struct Module {
    decltype(&stylomatNewHtmlCanvas) make = nullptr;
    decltype(&stylomatDeleteHtmlCanvas) remove = nullptr;
    decltype(&stylomatDrawHtmlCanvas) draw = nullptr;
    QString error;
};

const Module &module()
{
    static const Module loaded = [] {
        // Never unloaded: the canvases' code is in it.
        static QLibrary library(QDir(QCoreApplication::applicationDirPath())
                                    .filePath(QString::fromUtf8(STYLOMAT_CANVAS_MODULE)));
        Module m;
        m.make = reinterpret_cast<decltype(m.make)>(library.resolve("stylomatNewHtmlCanvas"));
        m.remove =
            reinterpret_cast<decltype(m.remove)>(library.resolve("stylomatDeleteHtmlCanvas"));
        m.draw = reinterpret_cast<decltype(m.draw)>(library.resolve("stylomatDrawHtmlCanvas"));
        if (!m.make || !m.remove || !m.draw) {
            m.error = library.errorString();
            m.make = nullptr;
        }
        return m;
    }();
    return loaded;
}

} // namespace

PreviewCanvas::PreviewCanvas()
    : m_canvas(module().make ? module().make() : nullptr)
{
}

PreviewCanvas::~PreviewCanvas()
{
    if (m_canvas)
        module().remove(m_canvas);
}

QString PreviewCanvas::error()
{
    return module().error;
}

QImage PreviewCanvas::draw(const PreviewDocument &document, int width, int minimumHeight,
                           qreal devicePixelRatio)
{
    QImage image;
    if (m_canvas)
        module().draw(m_canvas, &document, width, minimumHeight, devicePixelRatio, &image);
    return image;
}

QImage PreviewCanvas::render(const PreviewRule &rule, QSize size)
{
    PreviewCanvas canvas;
    const QImage page = canvas.draw(PreviewDocument(rule), size.width(), size.height(), 1);
    return page.isNull() ? page : page.copy(QRect(QPoint(), size));
}
