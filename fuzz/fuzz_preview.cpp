// libFuzzer harness for the preview: bytes, read as UTF-8, are a rule's text, read into a
// document as the window reads the pane; the document's rule becomes the sample page, which
// litehtml lays out and the canvas draws into an image, as the preview window does. The
// page must carry the rule on one element only, and a drawing may only be missing when it
// ran out of time; the pictures that cannot be read are among the page's.
#include "HtmlCanvas.h"
#include "PreviewDocument.h"
#include "PreviewRenderer.h"
#include "RuleDocument.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_preview";
    static char *argv[] = {name, nullptr};
    static const QGuiApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    RuleDocument rule;
    if (!rule.read(text))
        return 0;
    const PreviewDocument document(PreviewRule::of(rule.lines()));
    if (document.html().count(u" style=\"") > 1)
        std::abort();
    static HtmlCanvas canvas;
    QElapsedTimer timer;
    timer.start();
    const QImage image = canvas.draw(document, 320, 240, 1);
    if (image.isNull() && timer.elapsed() < PreviewRenderer::TimeLimitMs)
        std::abort();
    // Only a picture the page names can be one that cannot be read.
    if (canvas.imageFaults().size() > document.addresses().size())
        std::abort();
    // Qt empties its font caches on timers, as the window's event loop runs them.
    QCoreApplication::processEvents();
    return 0;
}
