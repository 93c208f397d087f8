// libFuzzer harness for the preview: bytes, read as UTF-8, are a rule's text; the rule as
// readRule() reads it becomes the sample page, which litehtml lays out and the canvas draws
// into an image, as the window does. The page must carry the rule on one element only, and
// a drawing may only be missing when it ran out of time.
#include "HtmlCanvas.h"
#include "PreviewCanvas.h"
#include "PreviewDocument.h"
#include "RuleReader.h"

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
    if (!PreviewCanvas().isLoaded())
        qFatal("%s", qPrintable(PreviewCanvas::error()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const ReadRule read = readRule(text);
    if (read.error != ReadRule::Error::None)
        return 0;
    PreviewRule rule{read.selector, {}};
    for (const DeclarationPiece &piece : read.pieces)
        rule.declarations.append({piece.isDeclaration() ? piece.name : piece.text, piece.value});
    const PreviewDocument document(rule);
    if (document.html().count(u" style=\"") > 1)
        std::abort();
    PreviewCanvas canvas;
    QElapsedTimer timer;
    timer.start();
    const QImage image = canvas.draw(document, 320, 240, 1);
    if (image.isNull() && timer.elapsed() < HtmlCanvas::TimeLimitMs)
        std::abort();
    // Qt empties its font caches on timers, as the window's event loop runs them.
    QCoreApplication::processEvents();
    return 0;
}
