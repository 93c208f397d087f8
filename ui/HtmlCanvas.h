#pragma once

#include <QImage>
#include <QSize>

#include <memory>

class PreviewDocument;

// Lays out and draws a PreviewDocument with litehtml on a QPainter. HtmlCanvas.cpp is the
// only file that includes litehtml's headers; it is built into a module of its own, which
// the program loads when the preview first draws (PreviewCanvas), and reaches through the
// functions below.
// The canvas keeps the fonts and the decoded data: images of the last drawing, so that
// the next one, usually of nearly the same rule, does not decode them again.
class HtmlCanvas {
public:
    // A layout or drawing that runs longer than this is stopped.
    static constexpr int TimeLimitMs = 500;
    // Nor does a drawing grow taller than this, however tall the page.
    static constexpr int MaxHeight = 8000;

    HtmlCanvas();
    ~HtmlCanvas();
    HtmlCanvas(const HtmlCanvas &) = delete;
    HtmlCanvas &operator=(const HtmlCanvas &) = delete;

    // The page laid out to `width` logical pixels, drawn on white, as tall as the page
    // but at least `minimumHeight` and at most MaxHeight; null when it took too long.
    [[nodiscard]] QImage draw(const PreviewDocument &document, int width, int minimumHeight,
                              qreal devicePixelRatio);

private:
    class Container;
    std::unique_ptr<Container> m_container;
};

// What the module exports, by name: the canvas's life and its one verb.
extern "C" {
Q_DECL_EXPORT HtmlCanvas *stylomatNewHtmlCanvas();
Q_DECL_EXPORT void stylomatDeleteHtmlCanvas(HtmlCanvas *canvas);
Q_DECL_EXPORT void stylomatDrawHtmlCanvas(HtmlCanvas *canvas, const PreviewDocument *document,
                                          int width, int minimumHeight, qreal devicePixelRatio,
                                          QImage *image);
}
