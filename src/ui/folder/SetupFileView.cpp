// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/folder/SetupFileView.h"

#include "core/names/FileNameEncoding.h"
#include "core/platform/FileIO.h"
#include "ui/widgets/FileUrls.h"
#include "ui/widgets/WholeNameTips.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QStringListModel>
#include <algorithm>

namespace tarvelin
{

namespace
{

// The names as read, shown with each byte that is not UTF-8 as U+FFFD; the edit role keeps the
// name itself, which still reaches the file.
class FileNameModel : public QStringListModel
{
public:
    FileNameModel(const QString& folder, QObject* parent)
        : QStringListModel(parent), folder_(folder)
    {
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        QVariant value = QStringListModel::data(index, role);
        if (role == Qt::DisplayRole)
            return shownFileName(value.toString());
        return value;
    }

    // Dragged files leave as file URLs, which a file manager and the store list both take.
    QStringList mimeTypes() const override { return {QStringLiteral("text/uri-list")}; }
    QMimeData* mimeData(const QModelIndexList& indexes) const override
    {
        QModelIndexList rows = indexes;
        std::sort(rows.begin(), rows.end());
        QList<QUrl> urls;
        for (const QModelIndex& index : rows)
            urls << fileUrl(joinPath(folder_, index.data(Qt::EditRole).toString()));
        auto* data = new QMimeData;
        data->setUrls(urls);
        return data;
    }
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

private:
    const QString& folder_;
};

} // namespace

SetupFileView::SetupFileView(QWidget* parent)
    : QListView(parent), model_(new FileNameModel(folder_, this))
{
    setObjectName(QStringLiteral("File1"));
    setAccessibleName(QStringLiteral("Setup files in the folder"));
    setToolTip(QStringLiteral("List of all setups in the folder."));
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    showWholeNamesWhenCut(this);
    // A Ctrl+click that unselected the only chosen file is still a click on it: it chooses
    // nothing.
    connect(this, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            reportChoice();
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!listing_ && !selectionModel()->hasSelection())
            Q_EMIT choiceCleared();
    });
}

void SetupFileView::allowSeveral()
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
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
    const std::vector<int> rows = selectedRows();
    return rows.size() == 1 ? rows.front() : -1;
}

std::vector<int> SetupFileView::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList SetupFileView::selectedNames() const
{
    QStringList chosen;
    for (const int row : selectedRows())
        chosen << nameAt(row);
    return chosen;
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

int SetupFileView::selectNames(const QStringList& names)
{
    QItemSelection chosen;
    QModelIndex last;
    for (const QString& name : names) {
        if (const qsizetype row = names_.indexOf(name); row >= 0) {
            last = model_->index(int(row));
            chosen.select(last, last);
        }
    }
    if (last.isValid()) {
        selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
        selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
    }
    return int(chosen.size());
}

void SetupFileView::reportChoice()
{
    const std::vector<int> rows = selectedRows();
    if (rows.size() == 1)
        Q_EMIT fileClicked(rows.front());
    else if (rows.size() > 1)
        Q_EMIT severalChosen(int(rows.size()));
}

void SetupFileView::keyPressEvent(QKeyEvent* event)
{
    const std::vector<int> before = selectedRows();
    QListView::keyPressEvent(event);
    // Moving through the list with the keys picks a file as a click does.
    if (selectedRows() != before)
        reportChoice();
}

void SetupFileView::focusInEvent(QFocusEvent* event)
{
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid())
        selectionModel()->clearCurrentIndex();
}

} // namespace tarvelin
