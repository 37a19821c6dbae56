// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/Accessibility.h"

#include "ui/widgets/AccessibleControls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QFocusFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QVariant>

namespace tarvelin
{
namespace
{

constexpr char kCaption[] = "tarvelinCaption";
constexpr char kOutOfTree[] = "tarvelinOutOfTree";
constexpr char kHoldsOutOfTree[] = "tarvelinHoldsOutOfTree";

class ValueLabelInterface : public QAccessibleWidget
{
public:
    explicit ValueLabelInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const QLabel*>(object());
        const QString caption = label->property(kCaption).toString();
        if (kind == QAccessible::Name)
            return label->text().isEmpty() ? caption : caption + QLatin1Char(' ') + label->text();
        if (kind == QAccessible::Value)
            return label->text();
        return QAccessibleWidget::text(kind);
    }
};

// A frame drawn for its border, or a label with neither text nor name: nothing of its own to read.
bool saysNothing(const QWidget* widget)
{
    if (!widget->accessibleName().isEmpty() || widget->focusPolicy() != Qt::NoFocus ||
        widget->property(kCaption).isValid())
        return false;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text().trimmed().isEmpty();
    return qstrcmp(widget->metaObject()->className(), "QFrame") == 0;
}

bool holdsControls(const QWidget* widget)
{
    return !widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
}

// The children Qt would list, less those left out of the tree. A plain top-level widget is
// reported as a frame: Qt would report it as a filler, which screen readers pass over.
class SightedInterface : public QAccessibleWidget
{
public:
    SightedInterface(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override { return int(sighted().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = sighted();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        return int(sighted().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> sighted() const
    {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (!child || child->isWindow() || qobject_cast<QFocusFrame*>(child) ||
                qobject_cast<QMenu*>(child) || child->property(kOutOfTree).toBool() ||
                child->objectName() == QLatin1String("qt_rubberband") ||
                (saysNothing(child) && !holdsControls(child)))
                continue;
            children.append(child);
        }
        return children;
    }
};

bool isOwnWindow(const QWidget* widget)
{
    return widget->isWindow() && !qobject_cast<const QMainWindow*>(widget) &&
           !qobject_cast<const QMenu*>(widget) &&
           QLatin1String(widget->metaObject()->className()).startsWith(QLatin1String("tarvelin::"));
}

QAccessibleInterface* createInterface(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->property(kCaption).isValid())
        return new ValueLabelInterface(label);
    if (QAccessibleInterface* control = controlInterface(widget))
        return control;
    if (isOwnWindow(widget))
        return new SightedInterface(widget, qobject_cast<QDialog*>(widget) ? QAccessible::Dialog
                                                                           : QAccessible::Window);
    // Every plain container may come to hold a control left out of the tree, and Qt may make its
    // interface before that control is marked; the interface filters its children itself.
    // A frame that only holds controls is read as a plain group of them.
    const bool plain = qstrcmp(widget->metaObject()->className(), "QWidget") == 0 ||
                       (saysNothing(widget) && holdsControls(widget));
    if (plain || widget->property(kHoldsOutOfTree).toBool())
        return new SightedInterface(widget, QAccessible::Client);
    return nullptr;
}

// The caption as read: its mnemonic marks gone ("&&" is a shown "&"), less a closing colon or stop.
QString readCaption(const QString& shown)
{
    QString caption;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] == QLatin1Char('&') && i + 1 < shown.size())
            ++i;
        caption += shown[i];
    }
    caption = caption.trimmed();
    while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QLatin1Char('.')))
        caption.chop(1);
    return caption;
}

} // namespace

void leaveOutOfTree(QWidget* decoration)
{
    decoration->setProperty(kOutOfTree, true);
    if (QWidget* parent = decoration->parentWidget())
        parent->setProperty(kHoldsOutOfTree, true);
}

void readWithCaption(QLabel* value, QLabel* caption)
{
    value->setProperty(kCaption, caption->text());
    // Qt announces a label's new text only while it has no fixed accessible name.
    value->setAccessibleName(QString());
    leaveOutOfTree(caption);
}

void nameByCaption(QWidget* control, QLabel* caption)
{
    control->setAccessibleName(readCaption(caption->text()));
    leaveOutOfTree(caption);
}

void keepOutOfSight(QWidget* widget)
{
    leaveOutOfTree(widget);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->hide();
}

void installAccessibility()
{
    QAccessible::installFactory(createInterface);
}

} // namespace tarvelin
