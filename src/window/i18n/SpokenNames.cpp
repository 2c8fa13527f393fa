#include "window/i18n/SpokenNames.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QWidget>

namespace {

// Each language's name in that language, in TLanguateKind order.
const char* const kLanguageNames[] = {"English", "繁體中文", "简体中文"};

}  // namespace

QString WithoutMnemonic(QString caption)
{
    static const QRegularExpression kBracketed(QStringLiteral("\\(&.\\)"));
    caption.remove(kBracketed);
    return caption.remove(QLatin1Char('&'));
}

void ApplySpokenNames(QWidget& window)
{
    for (const SpokenName::Entry& entry : SpokenName::kEntries) {
        auto* control = window.findChild<QWidget*>(QString::fromLatin1(entry.control));
        if (control)
            control->setAccessibleName(entry.text ? Localized(*entry.text)
                                                  : WithoutMnemonic(Term(entry.term)));
    }
    if (auto* box = window.findChild<QComboBox*>(QStringLiteral("cbbLang")))
        NameLanguageItems(*box);
}

void NameLanguageItems(QComboBox& box)
{
    for (int item = 0; item < box.count() && item < int(std::size(kLanguageNames)); ++item)
        box.setItemData(item, QString::fromUtf8(kLanguageNames[item]), Qt::AccessibleTextRole);
}
