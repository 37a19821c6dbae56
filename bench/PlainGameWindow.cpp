// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainGameWindow.h"

#include "ui/widgets/VBUSoftButton.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStringListModel>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace bench
{

namespace
{

int depthOf(const QTreeWidgetItem* item)
{
    int depth = 0;
    for (; item->parent(); item = item->parent())
        ++depth;
    return depth;
}

void readTree(QTreeWidget& tree, PlainControl& control)
{
    control.kind = PlainKind::Tree;
    int row = 0;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it, ++row) {
        control.rows.push_back((*it)->text(0).toUtf8());
        control.depths.push_back(depthOf(*it));
        if (*it == tree.currentItem())
            control.current = row;
    }
}

// The kinds are tried from the most derived class down: a QListWidget is a QListView too.
PlainControl readControl(QWidget& widget)
{
    PlainControl control;
    control.objectName = widget.objectName();
    control.geometry = widget.geometry();
    control.hidden = widget.isHidden();
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        control.kind = PlainKind::Group;
        control.text = group->title();
    } else if (const auto* list = qobject_cast<const QListWidget*>(&widget)) {
        control.kind = PlainKind::List;
        for (int row = 0; row < list->count(); ++row)
            control.rows.push_back(list->item(row)->text().toUtf8());
        control.current = list->currentRow();
    } else if (auto* tree = qobject_cast<QTreeWidget*>(&widget)) {
        readTree(*tree, control);
    } else if (const auto* view = qobject_cast<const QListView*>(&widget)) {
        control.kind = PlainKind::FileList;
        const QAbstractItemModel& model = *view->model();
        for (int row = 0; row < model.rowCount(); ++row)
            control.rows.push_back(model.index(row, 0).data().toString().toUtf8());
        control.current = view->currentIndex().row();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        control.kind = PlainKind::Combo;
        for (int row = 0; row < combo->count(); ++row)
            control.rows.push_back(combo->itemText(row).toUtf8());
        control.current = combo->currentIndex();
    } else if (const auto* line = qobject_cast<const QLineEdit*>(&widget)) {
        control.kind = PlainKind::Line;
        control.text = line->text();
    } else if (qobject_cast<const QStatusBar*>(&widget)) {
        control.kind = PlainKind::StatusBar;
        for (const QLabel* panel : widget.findChildren<QLabel*>())
            control.rows.push_back(panel->text().toUtf8());
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        control.kind = PlainKind::Label;
        control.text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        control.kind = PlainKind::Button;
        const auto* soft = qobject_cast<const tarvelin::VBUSoftButton*>(button);
        control.text = soft && !soft->ovalLabel().isEmpty() ? soft->ovalLabel() : button->text();
    }
    return control;
}

// The controls of `parent` in creation order, which is the order they stand back to front;
// a group box's controls follow it.
void readControls(const QWidget& parent, int parentIndex, std::vector<PlainControl>& controls)
{
    for (QObject* child : parent.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget)
            continue;
        controls.push_back(readControl(*widget));
        controls.back().parent = parentIndex;
        if (controls.back().kind == PlainKind::Group)
            readControls(*widget, int(controls.size()) - 1, controls);
    }
}

QStringList textsOf(const std::vector<QByteArray>& rows)
{
    QStringList texts;
    texts.reserve(qsizetype(rows.size()));
    for (const QByteArray& row : rows)
        texts.append(QString::fromUtf8(row));
    return texts;
}

QWidget* buildTree(const PlainControl& control, QWidget* parent)
{
    auto* tree = new QTreeWidget(parent);
    tree->setHeaderHidden(true);
    tree->setUniformRowHeights(true);
    std::vector<QTreeWidgetItem*> chain; // the last row built at each depth
    std::vector<QTreeWidgetItem*> items;
    for (std::size_t row = 0; row < control.rows.size(); ++row) {
        const auto depth = std::size_t(control.depths[row]);
        auto* item = depth == 0 ? new QTreeWidgetItem(tree) : new QTreeWidgetItem(chain[depth - 1]);
        item->setText(0, QString::fromUtf8(control.rows[row]));
        chain.resize(depth);
        chain.push_back(item);
        items.push_back(item);
    }
    tree->expandAll();
    if (control.current >= 0)
        tree->setCurrentItem(items[std::size_t(control.current)]);
    return tree;
}

QWidget* buildList(const PlainControl& control, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setUniformItemSizes(true);
    for (const QByteArray& row : control.rows)
        list->addItem(QString::fromUtf8(row));
    list->setCurrentRow(control.current);
    return list;
}

// A QListView over a QStringListModel: the plain way to show a hundred thousand names.
QWidget* buildFileList(const PlainControl& control, QWidget* parent)
{
    auto* view = new QListView(parent);
    auto* model = new QStringListModel(textsOf(control.rows), view);
    view->setUniformItemSizes(true);
    view->setModel(model);
    if (control.current >= 0)
        view->setCurrentIndex(model->index(control.current));
    return view;
}

QWidget* buildStatusBar(const PlainControl& control, QWidget* parent)
{
    auto* bar = new QStatusBar(parent);
    bar->setSizeGripEnabled(false);
    const QStringList panels = textsOf(control.rows);
    for (qsizetype panel = 0; panel < panels.size(); ++panel) {
        if (panel == 0)
            bar->addWidget(new QLabel(panels[panel]), 1);
        else
            bar->addPermanentWidget(new QLabel(panels[panel]));
    }
    return bar;
}

QWidget* buildControl(const PlainControl& control, QWidget* parent)
{
    switch (control.kind) {
    case PlainKind::Group:
        return new QGroupBox(control.text, parent);
    case PlainKind::List:
        return buildList(control, parent);
    case PlainKind::FileList:
        return buildFileList(control, parent);
    case PlainKind::Tree:
        return buildTree(control, parent);
    case PlainKind::Combo: {
        auto* combo = new QComboBox(parent);
        combo->addItems(textsOf(control.rows));
        combo->setCurrentIndex(control.current);
        return combo;
    }
    case PlainKind::Line:
        return new QLineEdit(control.text, parent);
    case PlainKind::StatusBar:
        return buildStatusBar(control, parent);
    case PlainKind::Label:
        return new QLabel(control.text, parent);
    case PlainKind::Button:
        return new QPushButton(control.text, parent);
    case PlainKind::Blank:
        break;
    }
    return new QWidget(parent);
}

} // namespace

PlainWindowPlan planOf(const QMainWindow& gameWindow)
{
    PlainWindowPlan plan;
    plan.title = gameWindow.windowTitle();
    plan.windowSize = gameWindow.size();
    plan.clientSize = gameWindow.centralWidget()->size();
    readControls(*gameWindow.centralWidget(), -1, plan.controls);
    for (const QAction* bar : gameWindow.menuBar()->actions()) {
        if (!bar->menu())
            continue;
        PlainMenu menu{bar->menu()->title(), {}};
        for (const QAction* entry : bar->menu()->actions())
            menu.entries.push_back(entry->isSeparator() ? QString() : entry->text());
        plan.menus.push_back(std::move(menu));
    }
    return plan;
}

OpenWindow openPlainWindow(const PlainWindowPlan& plan)
{
    OpenWindow open;
    open.window = std::make_unique<QMainWindow>();
    QMainWindow& window = *open.window;
    window.setWindowTitle(plan.title);
    auto* client = new QWidget(&window);
    client->setFixedSize(plan.clientSize);
    window.setCentralWidget(client);
    std::vector<QWidget*> built;
    built.reserve(plan.controls.size());
    for (const PlainControl& control : plan.controls) {
        QWidget* widget =
            buildControl(control, control.parent < 0 ? client : built[std::size_t(control.parent)]);
        widget->setObjectName(control.objectName);
        widget->setGeometry(control.geometry);
        if (control.hidden)
            widget->hide();
        built.push_back(widget);
    }
    for (const PlainMenu& shown : plan.menus) {
        QMenu* menu = window.menuBar()->addMenu(shown.title);
        for (const QString& entry : shown.entries) {
            if (entry.isEmpty())
                menu->addSeparator();
            else
                menu->addAction(entry);
        }
    }
    window.resize(plan.windowSize);
    showAndPaint(window);
    return open;
}

} // namespace bench
