// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/folder/SetupFileView.h"

#include "core/names/FileNameEncoding.h"
#include "ui/widgets/WholeNameTips.h"

#include <QKeyEvent>
#include <QStringListModel>

namespace tarvelin
{

namespace
{

// The names as read, shown with each byte that is not UTF-8 as U+FFFD; the edit role keeps the
// name itself, which still reaches the file.
class FileNameModel : public QStringListModel
{
public:
    using QStringListModel::QStringListModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        QVariant value = QStringListModel::data(index, role);
        if (role == Qt::DisplayRole)
            return shownFileName(value.toString());
        return value;
    }
};

} // namespace

SetupFileView::SetupFileView(QWidget* parent) : QListView(parent), model_(new FileNameModel(this))
{
    setObjectName(QStringLiteral("File1"));
    setAccessibleName(QStringLiteral("Setup files in the folder"));
    setToolTip(QStringLiteral("List of all setups in the folder."));
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    showWholeNamesWhenCut(this);
    // A Ctrl+click that unselected the file is still a click on it: it chooses nothing.
    connect(this, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && selectionModel()->isSelected(index))
            Q_EMIT fileClicked(index.row());
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!listing_ && !selectionModel()->hasSelection())
            Q_EMIT choiceCleared();
    });
}

void SetupFileView::showFiles(const QStringList& names)
{
    listing_ = true;
    names_ = names;
    model_->setStringList(names);
    selectionModel()->clear();
    listing_ = false;
}

int SetupFileView::count() const
{
    return model_->rowCount();
}

int SetupFileView::selectedIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QString SetupFileView::selectedName() const
{
    return nameAt(selectedIndex());
}

QString SetupFileView::nameAt(int index) const
{
    return model_->index(index).data(Qt::EditRole).toString();
}

const QStringList& SetupFileView::names() const
{
    return names_;
}

bool SetupFileView::selectName(const QString& name)
{
    const qsizetype row = names_.indexOf(name);
    if (row < 0)
        return false;
    const QModelIndex index = model_->index(int(row));
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    return true;
}

void SetupFileView::keyPressEvent(QKeyEvent* event)
{
    const int before = selectedIndex();
    QListView::keyPressEvent(event);
    const int after = selectedIndex();
    // Moving through the list with the keys picks a file as a click does.
    if (after >= 0 && after != before)
        Q_EMIT fileClicked(after);
}

void SetupFileView::focusInEvent(QFocusEvent* event)
{
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid())
        selectionModel()->clearCurrentIndex();
}

} // namespace tarvelin
