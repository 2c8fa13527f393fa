#include "window/app/AccessibleControls.h"

#include "window/controls/ALed.h"
#include "window/controls/KARVComboBox.h"
#include "window/controls/ProgBar.h"
#include "window/i18n/SpokenNames.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QMenu>

namespace {

const char* const kDecorationProperty = "karveloDecoration";

// A battery gauge: a value between its range's ends, read as "6 of 7".
class GaugeAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit GaugeAccessible(TProgBar* gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar)
    {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Localized(SpokenName::kLevelOfFull).arg(Gauge()->Value()).arg(Gauge()->Max());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return Gauge()->Value(); }
    void setCurrentValue(const QVariant&) override {}  // a read-out
    QVariant maximumValue() const override { return Gauge()->Max(); }
    QVariant minimumValue() const override { return Gauge()->Min(); }
    QVariant minimumStepSize() const override { return 1.0; }

private:
    TProgBar* Gauge() const { return static_cast<TProgBar*>(widget()); }
};

// An LED: on, off or blinking.
class LedAccessible final : public QAccessibleWidget {
public:
    explicit LedAccessible(TALed* led) : QAccessibleWidget(led, QAccessible::Indicator) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Value)
            return QAccessibleWidget::text(t);
        if (!Led()->Value())
            return Localized(SpokenName::kLedOff);
        return Localized(Led()->IsBlinking() ? SpokenName::kLedBlinking : SpokenName::kLedOn);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Led()->Value();
        return state;
    }

private:
    TALed* Led() const { return static_cast<TALed*>(widget()); }
};

// A drop-down list named by what it chooses (its accessible name or the label tied to it);
// the entry chosen is its value, which also stands in its description, since the desktop's
// accessibility bus carries a value only as a number.
class ChoiceBoxAccessible final : public QAccessibleWidget {
public:
    explicit ChoiceBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || t == QAccessible::Description)
            return Entry();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            Box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }

    QString Entry() const
    {
        const QString spoken = Box()->currentData(Qt::AccessibleTextRole).toString();
        if (!spoken.isEmpty())
            return spoken;
        if (qobject_cast<const TKARVImageComboBox*>(Box()))
            return TKARVImageComboBox::ItemText(Box()->currentText());
        return Box()->currentText();
    }
};

// The window's own title bar, named by the window's title.
class TitleBarAccessible final : public QAccessibleWidget {
public:
    explicit TitleBarAccessible(QWidget* bar) : QAccessibleWidget(bar, QAccessible::TitleBar) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->window()->windowTitle();
        return QAccessibleWidget::text(t);
    }
};

// A window or group box whose children leave out what is hidden and the pictures that only
// decorate.
class ContainerAccessible final : public QAccessibleWidget {
public:
    ContainerAccessible(QWidget* container, QAccessible::Role role)
        : QAccessibleWidget(container, role)
    {}

    int childCount() const override { return int(Children().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = Children();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(Children().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

    QString text(QAccessible::Text t) const override
    {
        const auto* group = qobject_cast<const QGroupBox*>(widget());
        if (t == QAccessible::Name && group && widget()->accessibleName().isEmpty())
            return WithoutMnemonic(group->title());
        return QAccessibleWidget::text(t);
    }

private:
    QList<QWidget*> Children() const
    {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            // What is hidden is left out, with all it holds: a list's entries would otherwise
            // say they show wherever the hidden list lies.
            if (child && !child->isWindow() && !child->isHidden() && !qobject_cast<QMenu*>(child) &&
                !IsDecoration(child))
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface* AccessibleControl(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("TProgBar"))
        return new GaugeAccessible(static_cast<TProgBar*>(widget));
    if (className == QLatin1String("TALed"))
        return new LedAccessible(static_cast<TALed*>(widget));
    if (className == QLatin1String("TSkinTitleBar"))
        return new TitleBarAccessible(widget);
    if (className == QLatin1String("QComboBox")) {
        auto* box = static_cast<QComboBox*>(widget);
        return box->isEditable() ? nullptr : new ChoiceBoxAccessible(box);
    }
    if (className == QLatin1String("QGroupBox"))
        return new ContainerAccessible(widget, QAccessible::Grouping);
    // The windows with a frame of their own.
    if (className == QLatin1String("TForm1") || className == QLatin1String("TForm2") ||
        className == QLatin1String("TForm3"))
        return new ContainerAccessible(
            widget, qobject_cast<QDialog*>(widget) ? QAccessible::Dialog : QAccessible::Window);
    return nullptr;
}

}  // namespace

void InstallAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleControl);
        return true;
    }();
    Q_UNUSED(installed);
}

void MarkAsDecoration(QWidget& widget)
{
    widget.setProperty(kDecorationProperty, true);
}

bool IsDecoration(const QObject* object)
{
    return object && object->property(kDecorationProperty).toBool();
}
