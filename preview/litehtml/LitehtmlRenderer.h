#pragma once

#include "HtmlCanvas.h"
#include "PreviewRenderer.h"

#include <QObject>

// The preview's engine as a plugin: litehtml, through HtmlCanvas.
class LitehtmlRenderer : public QObject, public PreviewRenderer {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PreviewRenderer_iid FILE "litehtml.json")
    Q_INTERFACES(PreviewRenderer)

public:
    void setStandardFonts(const QFont &serif, const QFont &monospace) override;
    [[nodiscard]] QImage draw(const PreviewDocument &document, int width, int minimumHeight,
                              qreal devicePixelRatio) override;
    [[nodiscard]] QStringList imageFaults() const override;

private:
    HtmlCanvas m_canvas;
};
