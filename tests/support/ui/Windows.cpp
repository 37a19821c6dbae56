// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ui/Windows.h"

#include "core/game/GameProfile.h"
#include "core/registry/Registry.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QTest>

namespace fixture
{

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

QStringList visibleWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            names.append(widget->objectName());
    }
    names.sort();
    return names;
}

void click(QWidget* window, const char* name)
{
    auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

void trigger(QWidget* window, const char* action)
{
    auto* found = window->findChild<QAction*>(QString::fromLatin1(action));
    ASSERT_NE(found, nullptr) << action;
    found->trigger();
}

void clickRow(QAbstractItemView* view, int row, Qt::MouseButton button)
{
    const QRect line = view->visualRect(view->model()->index(row, 0, view->rootIndex()));
    ASSERT_TRUE(line.isValid()) << "no line " << row;
    QTest::mouseClick(view->viewport(), button, {}, line.center());
}

void pointAtGame(tarvelin::Registry& registry, const tarvelin::GameProfile& profile,
                 const QString& gameDirectory)
{
    ASSERT_TRUE(registry.createKey(profile.GameKey));
    ASSERT_TRUE(registry.SetKeyValue(profile.GameKey, profile.DirectoryValueName, gameDirectory,
                                     tarvelin::RegistryType::String));
}

} // namespace fixture
