// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/Accessibility.h"

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
constexpr char kOutOfSight[] = "tarvelinOutOfSight";
constexpr char kHoldsOutOfSight[] = "tarvelinHoldsOutOfSight";

class ValueLabelInterface : public QAccessibleWidget
{
public:
    explicit ValueLabelInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const QLabel*>(object());
        if (kind == QAccessible::Name)
            return label->property(kCaption).toString() + QLatin1Char(' ') + label->text();
        if (kind == QAccessible::Value)
            return label->text();
        return QAccessibleWidget::text(kind);
    }
};

// The children Qt would list, less those kept out of sight. A plain top-level widget is
// reported as a frame: Qt would report it as a filler, which screen readers pass over.
class SightedInterface : public QAccessibleWidget
{
public:
    explicit SightedInterface(QWidget* widget)
        : QAccessibleWidget(widget, widget->isWindow() ? QAccessible::Window : QAccessible::Client)
    {
    }

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
                qobject_cast<QMenu*>(child) || child->property(kOutOfSight).toBool() ||
                child->objectName() == QLatin1String("qt_rubberband"))
                continue;
            children.append(child);
        }
        return children;
    }
};

bool isOwnPlainWindow(const QWidget* widget)
{
    return widget->isWindow() && !qobject_cast<const QMainWindow*>(widget) &&
           !qobject_cast<const QDialog*>(widget) && !qobject_cast<const QMenu*>(widget) &&
           QLatin1String(widget->metaObject()->className()).startsWith(QLatin1String("tarvelin::"));
}

QAccessibleInterface* createInterface(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->property(kCaption).isValid())
        return new ValueLabelInterface(label);
    // Every plain container may come to hold a control kept out of sight, and Qt may make its
    // interface before that control is marked; the interface filters its children itself.
    const bool plain = qstrcmp(widget->metaObject()->className(), "QWidget") == 0;
    if (plain || widget->property(kHoldsOutOfSight).toBool() || isOwnPlainWindow(widget))
        return new SightedInterface(widget);
    return nullptr;
}

} // namespace

void readWithCaption(QLabel* value, const QString& caption)
{
    value->setProperty(kCaption, caption);
    // Qt announces a label's new text only while it has no fixed accessible name.
    value->setAccessibleName(QString());
}

void keepOutOfSight(QWidget* widget)
{
    widget->setProperty(kOutOfSight, true);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->hide();
    if (QWidget* parent = widget->parentWidget())
        parent->setProperty(kHoldsOutOfSight, true);
}

void installAccessibility()
{
    QAccessible::installFactory(createInterface);
}

} // namespace tarvelin
