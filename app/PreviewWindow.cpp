#include "PreviewWindow.h"

#include "PreviewCanvas.h"
#include "PreviewDocument.h"
#include "PreviewRenderer.h"
#include "RuleDocument.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

PreviewWindow::PreviewWindow(const RuleDocument *document, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_document(document)
    , m_timer(new QTimer(this))
    , m_scroll(new QScrollArea(this))
    , m_picture(new QLabel(m_scroll))
    , m_info(new QLabel(this))
{
    setObjectName(u"previewWindow"_s);
    setWindowTitle(tr("Náhled"));
    resize(520, 400);

    m_timer->setSingleShot(true);
    m_timer->setInterval(DelayMs);
    connect(m_timer, &QTimer::timeout, this, &PreviewWindow::redraw);
    connect(m_document, &RuleDocument::linesChanged, this, &PreviewWindow::ruleChanged);

    m_picture->setObjectName(u"previewPicture"_s);
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture->setBackgroundRole(QPalette::Base);
    m_picture->setAutoFillBackground(true);
    m_scroll->setObjectName(u"previewScroll"_s);
    m_scroll->setWidget(m_picture);
    m_scroll->setWidgetResizable(true);
    // The page is laid out to the viewport's width: a scroll bar that came and went with the
    // page's height would change that width and lay it out again.
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_info->setObjectName(u"previewInfo"_s);
    m_info->setWordWrap(true);
    m_info->setTextFormat(Qt::PlainText);
    m_info->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *const layout = new QVBoxLayout(this);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_info);
}

void PreviewWindow::ruleChanged()
{
    if (isVisible() && !m_timer->isActive())
        m_timer->start();
}

void PreviewWindow::showEvent(QShowEvent *event)
{
    if (!m_placed && parentWidget() != nullptr && !event->spontaneous()) {
        m_placed = true;
        placeBeside(parentWidget()->frameGeometry());
    }
    QWidget::showEvent(event);
    m_timer->start();
}

void PreviewWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

// Beside the main window, right or else left, where the screen has room for it; else over
// the main window's right part. Never larger than the screen's free part, nor outside it.
void PreviewWindow::placeBeside(const QRect &main)
{
    const QScreen *const screen = parentWidget()->screen();
    const QRect free = screen->availableGeometry();
    // The frame's thickness, as far as it is known before the first show.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize outer = (size() + frame).boundedTo(free.size());
    resize(outer - frame);
    int x = main.right() + 1;
    if (x + outer.width() - 1 > free.right())
        x = main.left() - outer.width() >= free.left() ? main.left() - outer.width()
                                                       : main.right() + 1 - outer.width();
    x = std::clamp(x, free.left(), free.right() + 1 - outer.width());
    const int y = std::clamp(main.top(), free.top(), free.bottom() + 1 - outer.height());
    move(x, y);
}

void PreviewWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (isVisible())
        m_timer->start();
}

void PreviewWindow::redraw()
{
    const PreviewDocument document(PreviewRule::of(m_document->lines()));
    const QSize size = m_scroll->viewport()->size();
    const qreal ratio = devicePixelRatioF();
    // What was left out may change while the page does not.
    if (document.html() == m_drawnHtml && document.addresses() == m_drawnAddresses &&
        size == m_drawnSize && ratio == m_drawnRatio) {
        if (!m_timedOut)
            m_info->setText(document.info() + m_drawnFaults);
        return;
    }
    PreviewCanvas canvas;
    if (!canvas.isLoaded()) {
        m_info->setText(tr("Náhled nelze vykreslit: %1").arg(PreviewCanvas::error()));
        return;
    }
    const QImage page = canvas.draw(document, size.width(), size.height(), ratio);
    m_drawnHtml = document.html();
    m_drawnAddresses = document.addresses();
    m_drawnSize = size;
    m_drawnRatio = ratio;
    m_picture->setPixmap(QPixmap::fromImage(page));
    const QStringList faults = canvas.imageFaults();
    m_drawnFaults =
        faults.isEmpty() ? QString() : tr(" Nelze přečíst: %1.").arg(faults.join(u"; "_s));
    QString info = document.info() + m_drawnFaults;
    m_timedOut = page.isNull();
    if (m_timedOut)
        info.prepend(tr("Vykreslení trvalo déle než %1 ms, a tak bylo zastaveno. ")
                         .arg(PreviewRenderer::TimeLimitMs));
    m_info->setText(info);
}
