#pragma once

#include <QWidget>

class QLabel;
class RuleDocument;
class QScrollArea;
class QTimer;

// The "Náhled" window: the document's rule drawn on a sample of the element its selector
// names, and a line saying which element that is and what of the rule it does not show.
// It follows the rule while it is shown: a change only starts a short timer, and the
// drawing happens when the timer fires, once for any number of changes before it.
//
// linesChanged -> timer -> PreviewRule -> PreviewDocument -> PreviewCanvas -> picture, info
// The renderer plugin is loaded at the first drawing.
class PreviewWindow : public QWidget {
    Q_OBJECT

public:
    // Short enough that the drawing is on screen within a frame of the change.
    static constexpr int DelayMs = 8;

    explicit PreviewWindow(const RuleDocument *document, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Esc closes the preview.
    void keyPressEvent(QKeyEvent *event) override;

private:
    // On every change of the rule: costs no more than starting a timer.
    void ruleChanged();
    void redraw();
    void placeBeside(const QRect &main);

    const RuleDocument *const m_document;
    QTimer *const m_timer;
    QScrollArea *const m_scroll;
    QLabel *const m_picture;
    QLabel *const m_info;
    // What the picture shows, so that a change that changes nothing draws nothing.
    QString m_drawnHtml;
    QStringList m_drawnAddresses;
    QSize m_drawnSize;
    qreal m_drawnRatio = 0;
    QString m_drawnFaults;   // what the info line says of the pictures that could not be read
    bool m_timedOut = false; // the drawing was stopped, which the info line says
    bool m_placed = false;   // beside the main window, at the first show
};
