// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/AccessibleControls.h"

#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace tarvelin
{
namespace
{

// A tool tip is what Qt reads as the description when none is set; on a picture button it
// usually repeats the name, and would be heard twice.
QString describedOr(const QWidget* widget, const QString& fallback)
{
    return widget->accessibleDescription().isEmpty() ? fallback : widget->accessibleDescription();
}

class PressableInterface : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            press();
        else
            QAccessibleWidget::doAction(action);
    }

protected:
    virtual void press() = 0;
};

class SoftButtonInterface : public PressableInterface
{
public:
    explicit SoftButtonInterface(VBUSoftButton* button)
        : PressableInterface(button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString caption = button()->text().trimmed();
        QString name = caption.isEmpty() ? button()->accessibleName() : caption;
        if (kind == QAccessible::Name)
            return name;
        if (kind == QAccessible::Description)
            return descriptionBeside(name, describedOr(button(), caption.isEmpty()
                                                                     ? button()->toolTip()
                                                                     : button()->accessibleName()));
        return PressableInterface::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = PressableInterface::state();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        return state;
    }

private:
    VBUSoftButton* button() const { return static_cast<VBUSoftButton*>(widget()); }
    void press() override { button()->click(); }
};

class LinkInterface : public PressableInterface
{
public:
    explicit LinkInterface(ClickableLabel* label) : PressableInterface(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        const QString shown = label()->text().trimmed();
        QString name = shown.isEmpty() ? label()->accessibleName() : shown;
        if (kind == QAccessible::Name)
            return name;
        if (kind == QAccessible::Description)
            return descriptionBeside(name, shown.isEmpty()
                                               ? describedOr(label(), label()->toolTip())
                                               : label()->accessibleName());
        return PressableInterface::text(kind);
    }

    // A clickable label that takes no focus is shown as a plain text or picture: it acts on
    // nothing. The window may say so after Qt made the interface.
    QAccessible::Role role() const override
    {
        if (acts())
            return QAccessible::Link;
        return label()->text().isEmpty() ? QAccessible::Graphic : QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = PressableInterface::state();
        state.linked = acts();
        return state;
    }

    QStringList actionNames() const override
    {
        return acts() ? PressableInterface::actionNames() : QStringList();
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
    bool acts() const { return label()->focusPolicy() != Qt::NoFocus; }
    void press() override { Q_EMIT label()->clicked(); }
};

// Its one child is the list that drops down, as in Qt's own interface. The line it shows is its
// text as well: Orca reads a drop-down's value from its text, and would say nothing of it.
class DropDownInterface : public PressableInterface, public QAccessibleTextInterface
{
public:
    explicit DropDownInterface(QComboBox* box) : PressableInterface(box, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return PressableInterface::interface_cast(type);
    }

    // The text: the line shown, read-only, without selection or cursor of its own.
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

    QString text(QAccessible::Text kind) const override
    {
        QString name =
            box()->accessibleName().isEmpty() ? box()->currentText() : box()->accessibleName();
        if (kind == QAccessible::Name)
            return name;
        if (kind == QAccessible::Value)
            return box()->currentText();
        if (kind == QAccessible::Description)
            return descriptionBeside(name, describedOr(box(), box()->toolTip()));
        return PressableInterface::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = PressableInterface::state();
        state.hasPopup = true;
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        return state;
    }

    int childCount() const override { return 1; }

    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + PressableInterface::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            press();
        else
            PressableInterface::doAction(action);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    QString shown() const { return box()->currentText(); }
    void press() override { box()->showPopup(); }
};

} // namespace

QString descriptionBeside(const QString& name, const QString& description)
{
    if (description.contains(name, Qt::CaseInsensitive) ||
        name.contains(description, Qt::CaseInsensitive))
        return {};
    return description;
}

QAccessibleInterface* controlInterface(QWidget* widget)
{
    if (auto* button = qobject_cast<VBUSoftButton*>(widget))
        return new SoftButtonInterface(button);
    if (auto* link = qobject_cast<ClickableLabel*>(widget))
        return new LinkInterface(link);
    if (auto* box = qobject_cast<QComboBox*>(widget); box && !box->isEditable())
        return new DropDownInterface(box);
    return nullptr;
}

} // namespace tarvelin
