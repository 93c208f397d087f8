// Writes, for each rule of a file (one a line; empty lines and lines starting with # are
// skipped), the preview's sample page as a browser is given it, to DIR/NN.html, NN the
// rule's number from 01; scripts/preview-reference.sh has a browser draw them.
// Usage: stylomat-preview-pages RULES DIR
#include "HtmlCanvas.h"
#include "PreviewDocument.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    const QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QFile rules(args.value(1));
    if (args.size() != 3 || !rules.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fputs("usage: stylomat-preview-pages RULES DIR\n", stderr);
        return 1;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    HtmlCanvas::samplePicture().save(&buffer, "PNG");
    const QString picture = u"data:image/png;base64,"_s + QString::fromLatin1(png.toBase64());
    int number = 0;
    for (const QString &line : QString::fromUtf8(rules.readAll()).split(u'\n')) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        QString html = PreviewDocument(PreviewRule::read(line)).browserHtml();
        html.replace(PreviewDocument::SamplePicture.toString(), picture);
        QFile page(QDir(args.at(2)).filePath(u"%1.html"_s.arg(++number, 2, 10, QChar(u'0'))));
        if (!page.open(QIODevice::WriteOnly) || page.write(html.toUtf8()) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(page.fileName()));
            return 1;
        }
    }
    return 0;
}
