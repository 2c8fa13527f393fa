#include "window/receiver/SettingsBinder.h"

#include "window/i18n/SpokenNames.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QWidget>

#include <algorithm>

namespace {

// The selected button's place, or -1. Asked while a selection moves, the buttons themselves
// tell: a group's own record may lag behind.
int CheckedIndex(const std::vector<QAbstractButton*>& buttons)
{
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i]->isChecked())
            return int(i);
    return -1;
}

}  // namespace

SettingsBinder::SettingsBinder(QWidget& window) : window_(window), bindings_(SettingsTable().size())
{}

SettingsBinder::Binding& SettingsBinder::bindingOf(const SettingRow& row)
{
    return bindings_[size_t(SettingIndex(row))];
}

const SettingsBinder::Binding& SettingsBinder::bindingOf(const SettingRow& row) const
{
    return bindings_[size_t(SettingIndex(row))];
}

void SettingsBinder::bind(const BindButton& bindButton, const BindList& bindList)
{
    for (const SettingRow& row : SettingsTable()) {
        Binding& binding = bindingOf(row);
        if (binding.bound())
            continue;
        if (row.list)
            this->bindList(row, binding, bindList);
        else
            bindButtons(row, binding, bindButton);
    }
}

void SettingsBinder::bindButtons(const SettingRow& row, Binding& binding,
                                 const BindButton& bindButton)
{
    std::vector<QAbstractButton*> buttons;
    for (const SettingChoice& choice : row.choices) {
        auto* button =
            window_.findChild<QAbstractButton*>(QString::fromLatin1(choice.button.control));
        if (!button)
            return;  // its area is not built yet
        buttons.push_back(button);
    }
    binding.buttons = buttons;
    binding.group = new QButtonGroup(&window_);
    for (size_t i = 0; i < buttons.size(); ++i) {
        binding.group->addButton(buttons[i], int(i));
        rows_.insert(buttons[i], &row);
        // A button that loses its selection to another is told first: the other's own news
        // follows.
        QObject::connect(buttons[i], &QAbstractButton::toggled, &window_, [&binding, i](bool on) {
            if (on || CheckedIndex(binding.buttons) < 0)
                binding.history.selected(on ? int(i) : -1);
            keepTabOnSelection(binding);
        });
        bindButton(buttons[i]);
    }
    keepTabOnSelection(binding);
}

void SettingsBinder::bindList(const SettingRow& row, Binding& binding, const BindList& bindList)
{
    auto* list = window_.findChild<QComboBox*>(QString::fromLatin1(row.list));
    if (!list)
        return;
    binding.list = list;
    rows_.insert(list, &row);
    list->clear();
    for (size_t i = 0; i < row.choices.size(); ++i)
        list->addItem(ChoiceText(row, int(i)), int(row.choices[i].code));
    // Nothing is chosen until the device has been read or the user picks an entry.
    list->setCurrentIndex(-1);
    QObject::connect(list, qOverload<int>(&QComboBox::currentIndexChanged), &window_,
                     [&binding](int index) { binding.history.selected(index); });
    bindList(list);
}

void SettingsBinder::keepTabOnSelection(const Binding& binding)
{
    const int checked = CheckedIndex(binding.buttons);
    QAbstractButton* selected =
        binding.buttons.empty() ? nullptr : binding.buttons[size_t(std::max(checked, 0))];
    for (QAbstractButton* button : binding.buttons)
        button->setFocusPolicy(button == selected ? Qt::StrongFocus : Qt::ClickFocus);
}

const SettingRow* SettingsBinder::rowOf(const QObject* control) const
{
    return rows_.value(control);
}

int SettingsBinder::shown(const SettingRow& row) const
{
    const Binding& binding = bindingOf(row);
    if (binding.list)
        return binding.list->currentIndex();
    return CheckedIndex(binding.buttons);
}

void SettingsBinder::show(const SettingRow& row, int choice)
{
    Binding& binding = bindingOf(row);
    if (binding.list) {
        binding.list->setCurrentIndex(choice);
    } else if (binding.group) {
        if (choice >= 0 && choice < int(binding.buttons.size())) {
            binding.buttons[size_t(choice)]->setChecked(true);
        } else if (const int checked = CheckedIndex(binding.buttons); checked >= 0) {
            // An exclusive group keeps its selection: it lets go for the moment.
            binding.group->setExclusive(false);
            binding.buttons[size_t(checked)]->setChecked(false);
            binding.group->setExclusive(true);
        }
    }
    binding.history.settle();
}

ChoiceHistory& SettingsBinder::history(const SettingRow& row)
{
    return bindingOf(row).history;
}

QComboBox* SettingsBinder::list(const SettingRow& row) const
{
    return bindingOf(row).list;
}

void SettingsBinder::setEnabled(bool enabled)
{
    for (Binding& binding : bindings_) {
        for (QAbstractButton* button : binding.buttons)
            button->setEnabled(enabled);
        if (binding.list)
            binding.list->setEnabled(enabled);
    }
}

void SettingsBinder::clear(bool lists)
{
    for (const SettingRow& row : SettingsTable())
        if (lists || !row.list)
            show(row, -1);
}

void SettingsBinder::retranslate(const std::function<void(QObject*, const QString&)>& setCaption)
{
    for (const SettingRow& row : SettingsTable()) {
        const Binding& binding = bindingOf(row);
        for (const SettingCaption& caption : {row.caption, row.group}) {
            if (caption.control)
                setCaption(window_.findChild<QObject*>(QString::fromLatin1(caption.control)),
                           CaptionText(caption));
        }
        for (size_t i = 0; i < binding.buttons.size(); ++i)
            setCaption(binding.buttons[i], ChoiceText(row, int(i)));
        // A list in a group box is named by the group; one beside its label, by the label.
        auto* group = window_.findChild<QGroupBox*>(QString::fromLatin1(row.caption.control));
        if (binding.list && group)
            binding.list->setAccessibleName(WithoutMnemonic(CaptionText(row.caption)));
    }
}
