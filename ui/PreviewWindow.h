#pragma once

#include "PreviewDocument.h"

#include <QWidget>

#include <functional>
#include <memory>

class PreviewCanvas;
class QLabel;
class QScrollArea;
class QTimer;

// The "Náhled" window: the rule drawn by litehtml on a sample of the element its selector
// names, and a line saying which element that is and what of the rule it does not show.
// It follows the rule while it is shown: ruleChanged() only starts a short timer, and the
// drawing happens when the timer fires, once for any number of changes before it.
//
// ruleChanged() -> timer -> source() -> PreviewDocument -> PreviewCanvas -> picture, info line
// The canvas, and litehtml with it, is loaded at the first drawing.
class PreviewWindow : public QWidget {
    Q_OBJECT

public:
    // Short enough that the drawing is on screen within a frame of the change.
    static constexpr int DelayMs = 8;

    explicit PreviewWindow(std::function<PreviewRule()> source, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    // Called on every change of the rule: costs no more than starting a timer.
    void ruleChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void redraw();

    const std::function<PreviewRule()> m_source;
    std::unique_ptr<PreviewCanvas> m_canvas;
    QTimer *const m_timer;
    QScrollArea *const m_scroll;
    QLabel *const m_picture;
    QLabel *const m_info;
    // What the picture shows, so that a change that changes nothing draws nothing.
    QString m_drawnHtml;
    QStringList m_drawnAddresses;
    QSize m_drawnSize;
    qreal m_drawnRatio = 0;
    bool m_timedOut = false; // the drawing was stopped, which the info line says
};
