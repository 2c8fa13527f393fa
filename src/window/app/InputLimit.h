#pragma once

#include <QValidator>

class QLineEdit;

// Limits what the user may type into an edit: at most a number of characters, optionally
// digits only, optionally converted to upper case. Unlike QLineEdit's own maximum length it
// never cuts text set by code, so a read-out such as "FFFFFF" in a two-character value box
// stays whole.
class InputLimit final : public QValidator {
    Q_OBJECT
public:
    InputLimit(int maxLength, bool upperCase, bool digitsOnly, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    int maxLength() const { return maxLength_; }
    bool upperCase() const { return upperCase_; }

    // Installs a limit on every edit under root that carries the dynamic properties of the
    // form description: "inputLimit" (characters), "upperCase" and "digitsOnly".
    static void InstallFromProperties(QObject* root);

private:
    int maxLength_;
    bool upperCase_;
    bool digitsOnly_;
};
