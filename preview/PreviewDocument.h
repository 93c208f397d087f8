#pragma once

#include "PreviewRule.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QStringView>

// The small HTML page the preview draws for a rule: the element the selector names, in a
// sample that fits it, carrying the declarations as its style attribute. The renderer
// gets arbitrary text from the user through it, so the page is bounded: at most
// MaxDeclarations declarations, none longer than MaxValueLength, and every url() in a
// value replaced by a short reference to addresses(), so that a large data: image never
// reaches the renderer's parser.
//
// rule lines -> PreviewRule -> PreviewDocument (html, addresses, notes) -> PreviewRenderer
class PreviewDocument {
    Q_DECLARE_TR_FUNCTIONS(PreviewDocument)

public:
    static constexpr qsizetype MaxDeclarations = 128;
    static constexpr qsizetype MaxValueLength = 2000;
    static constexpr qsizetype MaxAddresses = 32;
    // A data: image up to this many characters is decoded and drawn; a larger one draws
    // the placeholder as any other address does. 16 MiB of text is a 12 MiB file.
    static constexpr qsizetype MaxDataLength = 16 << 20;
    // url(stylomat-address:N) in the html stands for addresses()[N].
    static constexpr QStringView AddressScheme = u"stylomat-address:";
    // The src of the sample picture of img, which the canvas draws itself.
    static constexpr QStringView SamplePicture = u"stylomat-sample-picture";

    explicit PreviewDocument(const PreviewRule &rule);

    // The page, UTF-16; exactly one element in it has a style attribute.
    [[nodiscard]] const QString &html() const { return m_html; }
    // The element shown, lower case: one of the 51 names of the selector list.
    [[nodiscard]] const QString &element() const { return m_element; }
    // What url(stylomat-address:N) stands for. An address too long to draw is cut short
    // and marked with an ellipsis, so that it can no longer be decoded.
    [[nodiscard]] const QStringList &addresses() const { return m_addresses; }
    // Declaration names (lower case, in rule order, each once) that show nothing in the
    // preview: for print or speech only, or not drawn by the renderer.
    [[nodiscard]] const QStringList &printOrSpeechOnly() const { return m_printOrSpeechOnly; }
    [[nodiscard]] const QStringList &notDrawn() const { return m_notDrawn; }
    // What the renderer did not get, each "name (reason)", in Czech.
    [[nodiscard]] const QStringList &leftOut() const { return m_leftOut; }
    // The window's line about all that, and about what does nothing on this element in a
    // browser either (RuleContext), in Czech.
    [[nodiscard]] QString info() const;
    // The same sample as a browser is given it: standards mode, UTF-8, and the rule's
    // declarations as written. The pictures the preview is measured against come from it.
    [[nodiscard]] QString browserHtml() const;

private:
    // Declarations that reach the renderer but do nothing on this element in a browser
    // either (a top of a static box), by reason (in the user's language), in rule order.
    struct NoEffect {
        QString reason;
        QStringList names;
    };

    void addDeclarations(const QList<std::pair<QString, QString>> &declarations);
    [[nodiscard]] QString withAddressReferences(const QString &name, const QString &value);

    const PreviewRule m_rule;
    QString m_html;
    QString m_element;
    QString m_namedInSelector; // the last name in the selector, known or not
    QString m_style;           // the declarations for the style attribute, not yet escaped
    bool m_floated = false;    // by the rule, which moves it before the text
    QStringList m_addresses;
    QStringList m_printOrSpeechOnly;
    QStringList m_notDrawn;
    QList<NoEffect> m_noEffect;
    QStringList m_leftOut;
};
