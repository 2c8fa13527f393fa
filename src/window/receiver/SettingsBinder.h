#pragma once

#include "protocol/receiver/SettingsTable.h"
#include "window/receiver/ChoiceHistory.h"

#include <QHash>

#include <functional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QObject;
class QWidget;

// The settings table's rows on the window's controls, found by the object names the rows give:
// each row's radio buttons in one button group, or its list filled with its choices. It knows
// what each row shows and what it showed before a change, and sets the rows' captions, spoken
// names, enabled state and keyboard focus: Tab enters a row of radio buttons at the one
// selected, and the arrows move within it.
class SettingsBinder {
public:
    using BindButton = std::function<void(QAbstractButton*)>;
    using BindList = std::function<void(QComboBox*)>;

    explicit SettingsBinder(QWidget& window);

    // Binds the rows whose controls exist and are not bound yet (the engineering areas come
    // later); each control's handler is bound through the callbacks.
    void bind(const BindButton& bindButton, const BindList& bindList);

    // The row a control belongs to, or null.
    const SettingRow* rowOf(const QObject* control) const;
    // The choice the row shows, or -1 (also for a row not bound yet).
    int shown(const SettingRow& row) const;
    // Shows a choice from code without running its handler; -1 shows none.
    void show(const SettingRow& row, int choice);
    // What the row showed, and whether a change waits for its handler.
    ChoiceHistory& history(const SettingRow& row);
    QComboBox* list(const SettingRow& row) const;

    // Every bound control of every row.
    void setEnabled(bool enabled);
    // The rows show nothing: those of radio buttons, and with `lists` the lists too.
    void clear(bool lists);
    // Captions and spoken names in the language in force; `setCaption` shows a caption.
    void retranslate(const std::function<void(QObject*, const QString&)>& setCaption);

private:
    struct Binding {
        std::vector<QAbstractButton*> buttons;
        QButtonGroup* group = nullptr;
        QComboBox* list = nullptr;
        ChoiceHistory history;
        bool bound() const { return group || list; }
    };

    void bindButtons(const SettingRow& row, Binding& binding, const BindButton& bindButton);
    void bindList(const SettingRow& row, Binding& binding, const BindList& bindList);
    // Only the selected button of a row (the first when none is) takes focus by Tab.
    static void keepTabOnSelection(const Binding& binding);
    Binding& bindingOf(const SettingRow& row);
    const Binding& bindingOf(const SettingRow& row) const;

    QWidget& window_;
    std::vector<Binding> bindings_;                  // one per row of the table, in its order
    QHash<const QObject*, const SettingRow*> rows_;  // each bound control's row
};
