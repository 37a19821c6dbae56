// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPoint>
#include <functional>

class QMimeData;
class QWidget;

namespace tarvelin
{

// A store line as a drag carries it: which game, which slot, and the name the list showed there,
// so the export checks that the slot still holds that setup.
struct DraggedLine {
    QString game;
    int slot = 0;
    QByteArray name;
};
QByteArray encodeDraggedLine(const DraggedLine& line);
// Empty game and slot 0 when `data` carries no store line.
DraggedLine decodeDraggedLine(const QMimeData* data);

// Makes a list of the window's (the file list, the folder tree) take store lines of `game`
// dropped on it: the drag is accepted over it while it carries such a line, and a drop reports
// the line with the folder it lands in. Every other drag is turned away there.
class StoreLineDrops : public QObject
{
    Q_OBJECT

public:
    // The folder a drop at `position` (in the viewport's coordinates) lands in.
    using FolderAt = std::function<QString(QPoint position)>;

    StoreLineDrops(QString game, QObject* parent);
    void watch(QWidget* viewport, FolderAt folderAt);

Q_SIGNALS:
    void lineDropped(const tarvelin::DraggedLine& line, const QString& folder);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString game_;
    std::vector<std::pair<QObject*, FolderAt>> targets_;
};

} // namespace tarvelin
