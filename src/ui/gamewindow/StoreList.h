// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/widgets/ChoiceList.h"

#include <functional>

class QMimeData;

namespace tarvelin
{

// The store list (`List1`), chosen as a ChoiceList is chosen. Files dragged onto it from a file
// manager or the file list are taken when one of them at least is named as a setup file of this
// game; otherwise each move of the drag is turned away before it is let go, so the cursor says
// no. A line dragged out carries what the window makes of it.
class StoreList : public ChoiceList
{
    Q_OBJECT

public:
    // `setupPattern`: the names of this game's setup files ("*.set*").
    explicit StoreList(QString setupPattern, QWidget* parent = nullptr);

    // What a drag of the line at `row` carries; null or a null answer: the line is not dragged.
    using LineDrag = std::function<QMimeData*(int row)>;
    void setLineDrag(LineDrag lineDrag) { lineDrag_ = std::move(lineDrag); }
    // What a drag of the line at `row` carries now; null when it is not dragged. The caller owns
    // it.
    QMimeData* lineData(int row) const;

    // The type under which a dragged line names its game and slot ("dtr:5"): the file list and
    // the folder tree of the same window export it; the store list never takes it back.
    static QString lineType();
    // Whether a drop of `data` goes into the store: local files, one of them a setup file.
    bool takesDrop(const QMimeData* data) const;

Q_SIGNALS:
    // Dropped local files, in the order dropped, one of them at least a setup file of this game.
    void filesDropped(const QStringList& paths);
    // Dropped files none of which is a setup file of this game.
    void dropRefused(const QStringList& paths);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    // Drawn as the place a drop lands while a drag it takes is over it.
    void showDropping(bool dropping);

    QString setupPattern_;
    LineDrag lineDrag_;
};

} // namespace tarvelin
