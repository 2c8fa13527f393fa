#include "cli/CliLanguage.h"

#include <QList>

TLanguateKind LanguageOfLocale(const QByteArray& name)
{
    // language[_territory][.codeset][@modifier], territory possibly after a script: zh_Hant_TW.
    QByteArray base = name;
    for (const char end : {'.', '@'})
        if (base.contains(end))
            base.truncate(base.indexOf(end));
    const QList<QByteArray> parts = base.toLower().replace('-', '_').split('_');
    if (parts.first() != "zh")
        return lkEng;
    for (const QByteArray& part : parts)
        if (part == "tw" || part == "hk" || part == "mo" || part == "hant")
            return lkCht;
    return lkChs;
}

TLanguateKind MessagesLanguage()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return LanguageOfLocale(value);
    }
    return lkEng;
}
