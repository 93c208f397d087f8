#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class HtmlCanvas;
class PreviewDocument;
struct PreviewRule;

// The preview's canvas as the program sees it. The HtmlCanvas itself, and litehtml with
// it, live in a module that the first PreviewCanvas loads, so that the program does not
// load them at start-up. The module lies at the same place relative to the program's
// folder in the build tree as once installed.
class PreviewCanvas {
public:
    PreviewCanvas();
    ~PreviewCanvas();
    PreviewCanvas(const PreviewCanvas &) = delete;
    PreviewCanvas &operator=(const PreviewCanvas &) = delete;

    // False when the module could not be loaded; error() says why.
    [[nodiscard]] bool isLoaded() const { return m_canvas != nullptr; }
    [[nodiscard]] static QString error();

    // As HtmlCanvas::draw(); null also when the module could not be loaded.
    [[nodiscard]] QImage draw(const PreviewDocument &document, int width, int minimumHeight,
                              qreal devicePixelRatio);

    // The top `size` of the rule's page laid out to size.width(), one device pixel to a
    // pixel; null when it took too long or the module could not be loaded.
    [[nodiscard]] static QImage render(const PreviewRule &rule, QSize size);

private:
    HtmlCanvas *const m_canvas;
};
