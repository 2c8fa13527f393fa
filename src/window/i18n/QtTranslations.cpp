#include "window/i18n/QtTranslations.h"

#include "protocol/i18n/Lang.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void FollowLanguageInQtTexts()
{
    static QTranslator* installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    const char* name = CurrentLanguage == lkCht   ? "qtbase_zh_TW"
                       : CurrentLanguage == lkChs ? "qtbase_zh_CN"
                                                  : nullptr;
    if (!name)
        return;
    auto* translator = new QTranslator;
    if (translator->load(QLatin1String(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        installed = translator;
    else
        delete translator;
}
