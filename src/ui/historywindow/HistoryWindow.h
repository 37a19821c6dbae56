// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/StoreLayout.h"
#include "ui/historywindow/HistoryWindowLayout.h"

#include <QWidget>

namespace tarvelin
{

struct GameProfile;
struct StoreState;

// The backup history window of one game (`dtrHistory` or `scHistory`): the stores the history
// kept, newest first; for the one the player selects, what restoring it would bring back,
// remove and change; and Restore, Pin and Close.
class HistoryWindow : public QWidget
{
    Q_OBJECT

public:
    HistoryWindow(const GameProfile& profile, QString gameDirectory, QWidget* parent = nullptr);

    const HistoryWindowControls& controls() const { return controls_; }
    // The generation of the selected line; 0 when none is selected.
    qint64 selectedId() const;

    // Reads the history again, keeping the selected generation selected while it exists.
    void refresh();

Q_SIGNALS:
    // A restore replaced the store: the open game window of this game shows it.
    void gameStoreRead(const tarvelin::StoreState& store);

public Q_SLOTS:
    void restoreSelected(); // Restore
    void togglePin();       // Pin / Unpin

private:
    void showPreview();
    void showPinLabel(bool pinned);
    bool listedNothing() const;

    const GameProfile& profile_;
    QString gameDirectory_;
    RecordLayout layout_;
    HistoryWindowControls controls_;
};

} // namespace tarvelin
