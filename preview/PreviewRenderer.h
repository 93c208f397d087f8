#pragma once

#include <QFont>
#include <QImage>
#include <QStringList>
#include <QtPlugin>

class PreviewDocument;

// What draws the preview's page: an engine behind a plugin of the program's own, which the
// program loads when the preview first draws, so that start-up loads no engine.
class PreviewRenderer {
public:
    // A layout or drawing that runs longer than this is stopped.
    static constexpr int TimeLimitMs = 500;
    // Nor does a drawing grow taller than this, however tall the page.
    static constexpr int MaxHeight = 8000;

    virtual ~PreviewRenderer() = default;

    // The fonts that stand for serif and monospace: the window's and the pane's.
    virtual void setStandardFonts(const QFont &serif, const QFont &monospace) = 0;
    // The page laid out to `width` logical pixels, drawn on white, as tall as the page
    // but at least `minimumHeight` and at most MaxHeight; null when it took too long.
    [[nodiscard]] virtual QImage draw(const PreviewDocument &document, int width, int minimumHeight,
                                      qreal devicePixelRatio) = 0;
    // The data: pictures of the last drawing that could not be read, and why, in Czech.
    [[nodiscard]] virtual QStringList imageFaults() const = 0;
};

#define PreviewRenderer_iid "org.example.stylomat.PreviewRenderer/2"
Q_DECLARE_INTERFACE(PreviewRenderer, PreviewRenderer_iid)
