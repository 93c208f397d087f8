#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QImage>

#include <memory>

class PreviewDocument;

// Lays out and draws a PreviewDocument with litehtml on a QPainter. HtmlCanvas.cpp is the
// only file that includes litehtml's headers; LitehtmlRenderer offers it to the program as
// a plugin. The canvas keeps the fonts and the decoded data: images of the last drawing,
// so that the next one, usually of nearly the same rule, does not decode them again.
class HtmlCanvas {
    Q_DECLARE_TR_FUNCTIONS(HtmlCanvas)

public:
    HtmlCanvas();
    ~HtmlCanvas();
    HtmlCanvas(const HtmlCanvas &) = delete;
    HtmlCanvas &operator=(const HtmlCanvas &) = delete;

    // As PreviewRenderer's.
    void setStandardFonts(const QFont &serif, const QFont &monospace);
    [[nodiscard]] QImage draw(const PreviewDocument &document, int width, int minimumHeight,
                              qreal devicePixelRatio);
    // The data: pictures of the last drawing that could not be read, each "obrázek
    // ADDRESS: why", in Czech.
    [[nodiscard]] QStringList imageFaults() const;
    // What the canvas draws for the sample page's img.
    [[nodiscard]] static QImage samplePicture();

private:
    class Container;
    std::unique_ptr<Container> m_container;
};
