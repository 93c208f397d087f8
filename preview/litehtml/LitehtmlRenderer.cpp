#include "LitehtmlRenderer.h"

void LitehtmlRenderer::setStandardFonts(const QFont &serif, const QFont &monospace)
{
    m_canvas.setStandardFonts(serif, monospace);
}

QImage LitehtmlRenderer::draw(const PreviewDocument &document, int width, int minimumHeight,
                              qreal devicePixelRatio)
{
    return m_canvas.draw(document, width, minimumHeight, devicePixelRatio);
}

QStringList LitehtmlRenderer::imageFaults() const
{
    return m_canvas.imageFaults();
}
