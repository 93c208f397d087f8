#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class PreviewDocument;
class PreviewRenderer;
struct PreviewRule;

// The preview's engine as the program sees it: the renderer plugin, loaded by the first
// PreviewCanvas and kept, so that start-up loads no engine. The plugin lies at the same
// place relative to the program's folder in the build tree as once installed.
class PreviewCanvas {
public:
    PreviewCanvas();

    // False when the plugin could not be loaded; error() says why.
    [[nodiscard]] bool isLoaded() const { return m_renderer != nullptr; }
    [[nodiscard]] static QString error();

    // As PreviewRenderer::draw(); null also when the plugin could not be loaded.
    [[nodiscard]] QImage draw(const PreviewDocument &document, int width, int minimumHeight,
                              qreal devicePixelRatio);

    // As PreviewRenderer::imageFaults().
    [[nodiscard]] QStringList imageFaults() const;

    // The top `size` of the rule's page laid out to size.width(), one device pixel to a
    // pixel; null when it took too long or the plugin could not be loaded.
    [[nodiscard]] static QImage render(const PreviewRule &rule, QSize size);

private:
    PreviewRenderer *const m_renderer;
};
