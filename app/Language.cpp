#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

Language desktopLanguage()
{
    for (const QString &tag : QLocale::system().uiLanguages()) {
        const QStringView language = QStringView(tag).left(tag.indexOf(u'-'));
        if (language == u"cs" || language == u"C")
            return Language::Czech;
        if (language == u"en")
            return Language::English;
    }
    return Language::Czech;
}

void speak(Language language, QCoreApplication *app)
{
    const auto install = [app](const QString &file, const QString &folder) {
        auto *const translator = new QTranslator(app);
        if (translator->load(file, folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    // Qt's own texts are English to start with.
    if (language == Language::Czech)
        install(u"qtbase_cs"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    else
        install(u"stylomat_en"_s, u":/i18n"_s);
}
