#include "PreviewCanvas.h"

#include "PreviewDocument.h"
#include "PreviewRenderer.h"
#include "WindowFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace {

struct Plugin {
    PreviewRenderer *renderer = nullptr;
    QString error;
};

// Loaded once and never unloaded: the renderer's code is in it.
const Plugin &plugin()
{
    static const Plugin loaded = [] {
        static QPluginLoader loader(QDir(QCoreApplication::applicationDirPath())
                                        .filePath(QString::fromUtf8(STYLOMAT_RENDERER_PLUGIN)));
        Plugin p;
        p.renderer = qobject_cast<PreviewRenderer *>(loader.instance());
        if (p.renderer == nullptr)
            p.error = loader.errorString();
        else
            p.renderer->setStandardFonts(windowFont(), paneFont());
        return p;
    }();
    return loaded;
}

} // namespace

PreviewCanvas::PreviewCanvas()
    : m_renderer(plugin().renderer)
{
}

QString PreviewCanvas::error()
{
    return plugin().error;
}

QImage PreviewCanvas::draw(const PreviewDocument &document, int width, int minimumHeight,
                           qreal devicePixelRatio)
{
    return m_renderer ? m_renderer->draw(document, width, minimumHeight, devicePixelRatio)
                      : QImage();
}

QStringList PreviewCanvas::imageFaults() const
{
    return m_renderer ? m_renderer->imageFaults() : QStringList();
}

QImage PreviewCanvas::render(const PreviewRule &rule, QSize size)
{
    PreviewCanvas canvas;
    const QImage page = canvas.draw(PreviewDocument(rule), size.width(), size.height(), 1);
    return page.isNull() ? page : page.copy(QRect(QPoint(), size));
}
