#include "window/app/InputLimit.h"

#include <QLineEdit>

InputLimit::InputLimit(int maxLength, bool upperCase, bool digitsOnly, QObject* parent)
    : QValidator(parent), maxLength_(maxLength), upperCase_(upperCase), digitsOnly_(digitsOnly)
{}

QValidator::State InputLimit::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    if (upperCase_)
        input = input.toUpper();
    if (maxLength_ >= 0 && input.size() > maxLength_)
        return Invalid;
    if (digitsOnly_) {
        for (const QChar c : input) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        }
    }
    return Acceptable;
}

void InputLimit::InstallFromProperties(QObject* root)
{
    const auto edits = root->findChildren<QLineEdit*>();
    for (QLineEdit* edit : edits) {
        const QVariant limit = edit->property("inputLimit");
        const bool upper = edit->property("upperCase").toBool();
        const bool digits = edit->property("digitsOnly").toBool();
        if (!limit.isValid() && !upper && !digits)
            continue;
        const int maxLength = limit.isValid() ? limit.toInt() : -1;
        edit->setValidator(new InputLimit(maxLength, upper, digits, edit));
    }
}
