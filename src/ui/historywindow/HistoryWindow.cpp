// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/historywindow/HistoryWindow.h"

#include "core/game/GameProfile.h"
#include "core/names/FileNameEncoding.h"
#include "core/store/StoreHistoryCommands.h"
#include "ui/Logging.h"
#include "ui/art/Artwork.h"
#include "ui/widgets/EscapeCloses.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/StorePreviewText.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QTreeWidget>

namespace tarvelin
{

namespace
{

constexpr int kIdRole = Qt::UserRole;

const QString kNothingSelected =
    QStringLiteral("Select a kept store to see what restoring it would change.");

// The whole-store window's look; the preview captions take the colours of its buttons.
void applyStyle(QWidget* window)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    window->setFont(font);
    window->setStyleSheet(art::paletteStyleSheet(QStringLiteral(R"(
QLabel#Label1, QLabel#Label5 { color: $captionText; font-weight: bold; }
QLabel#Label2 { color: $bringsBackCaption; font-weight: bold; }
QLabel#Label3 { color: $removesCaption; font-weight: bold; }
QLabel#Label4 { color: $changesCaption; font-weight: bold; }
QTreeWidget, QListWidget {
    background: $fieldFill; color: $fieldText;
    border: 1px solid $fieldBorder; border-radius: 2px;
    selection-background-color: $selectionFill; selection-color: $selectionText;
}
)") + art::kFocusRingRule));
}

// What replaced a kept store, as a player says it rather than as the history file records it.
QString shownCommand(const QString& command)
{
    static const QHash<QString, QString> words{
        {QStringLiteral("opening"), QStringLiteral("Changed by the game")},
        {QStringLiteral("store-import"), QStringLiteral("Whole store imported")},
        {QStringLiteral("import"), QStringLiteral("Setup imported")},
        {QStringLiteral("delete"), QStringLiteral("Setup deleted")},
        {QStringLiteral("sort"), QStringLiteral("Setups sorted")},
        {QStringLiteral("restore"), QStringLiteral("Backup restored")},
        {QStringLiteral("history restore"), QStringLiteral("Restored from the history")},
    };
    return words.value(command, command);
}

QString shortLocalTime(const QDateTime& time)
{
    return QLocale().toString(time.toLocalTime(), QLocale::ShortFormat);
}

void fill(QListWidget* list, const QStringList& names)
{
    list->clear();
    list->addItems(names);
}

} // namespace

HistoryWindow::HistoryWindow(const GameProfile& profile, QString gameDirectory, QWidget* parent)
    : QWidget(parent, Qt::Window), profile_(profile), gameDirectory_(std::move(gameDirectory)),
      layout_(profile.recordLayout())
{
    setObjectName(profile.id + QStringLiteral("History"));
    setWindowTitle(QStringLiteral("Backup History"));
    setWindowIcon(art::applicationIcon());
    setAccessibleName(QStringLiteral("Backup History: ") + profile.gameTitle);
    setFixedSize(kHistoryWindowWidth, kHistoryWindowHeight);
    applyStyle(this);
    controls_ = buildHistoryWindowControls(this, profile);
    const HistoryWindowControls& c = controls_;
    setTabOrder(c.keptStoreList, c.previewLists[BringBack]);
    setTabOrder(c.previewLists[BringBack], c.previewLists[Remove]);
    setTabOrder(c.previewLists[Remove], c.previewLists[Change]);
    setTabOrder(c.previewLists[Change], c.restoreButton);
    setTabOrder(c.restoreButton, c.pinButton);
    setTabOrder(c.pinButton, c.closeButton);

    // Only the player's click or arrow key chooses a line: the current line that a list gets
    // with the focus is not selected, and selection is what the preview follows.
    connect(c.keptStoreList, &QTreeWidget::itemSelectionChanged, this, &HistoryWindow::showPreview);
    connect(c.restoreButton, &QAbstractButton::clicked, this, &HistoryWindow::restoreSelected);
    connect(c.pinButton, &QAbstractButton::clicked, this, &HistoryWindow::togglePin);
    connect(c.closeButton, &QAbstractButton::clicked, this, &QWidget::close);
    closeOnEscape(this, c.closeButton);
    refresh();
}

qint64 HistoryWindow::selectedId() const
{
    const QList<QTreeWidgetItem*> selected = controls_.keptStoreList->selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->data(0, kIdRole).toLongLong();
}

void HistoryWindow::refresh()
{
    const qint64 keep = selectedId();
    const HistoryListOutcome listed = listHistory(gameDirectory_, layout_);
    QTreeWidget* list = controls_.keptStoreList;
    {
        const QSignalBlocker quiet(list);
        list->clear();
        for (const Generation& g : listed.generations) {
            auto* item = new QTreeWidgetItem(
                list, {shortLocalTime(g.time), shownCommand(g.command), QString::number(g.setups),
                       g.pinned ? QStringLiteral("Pinned") : QString()});
            item->setData(0, kIdRole, g.id);
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
            // The empty cell is read as what it means, not passed over as a blank.
            if (!g.pinned)
                item->setData(3, Qt::AccessibleTextRole, QStringLiteral("Not pinned"));
            if (g.id == keep)
                item->setSelected(true);
        }
    }
    // Damaged or foreign files of the history folder are logged; the list goes on without them.
    showCommandOutcome(this, listed, lcHistoryWindow());
    showPreview();
}

void HistoryWindow::showPreview()
{
    const HistoryWindowControls& c = controls_;
    const qint64 id = selectedId();
    const QList<QTreeWidgetItem*> selected = c.keptStoreList->selectedItems();
    showPinLabel(!selected.isEmpty() && !selected.first()->text(3).isEmpty());
    c.restoreButton->setEnabled(id != 0);
    c.pinButton->setEnabled(id != 0);
    if (id == 0) {
        for (QListWidget* list : c.previewLists)
            list->clear();
        c.previewNote->setText(listedNothing()
                                   ? QStringLiteral("The history holds no kept store yet.")
                                   : kNothingSelected);
        return;
    }
    const HistoryPreviewOutcome outcome = previewGeneration(gameDirectory_, layout_, id);
    if (!outcome.done) {
        for (QListWidget* list : c.previewLists)
            list->clear();
        c.previewNote->setText(
            outcome.messages.empty() ? QString() : shownFileName(outcome.messages.front().text));
        return;
    }
    const StorePreview& preview = outcome.preview;
    fill(c.previewLists[BringBack], preview.bringBack);
    fill(c.previewLists[Remove], preview.remove);
    fill(c.previewLists[Change], preview.change);
    c.previewNote->setText(storePreviewNote(preview));
}

bool HistoryWindow::listedNothing() const
{
    return controls_.keptStoreList->topLevelItemCount() == 0;
}

void HistoryWindow::showPinLabel(bool pinned)
{
    const QString label = pinned ? QStringLiteral("Unpin") : QStringLiteral("Pin");
    controls_.pinButton->setOvalLabel(label, art::kOvalGold);
    controls_.pinButton->setAccessibleName(label);
    controls_.pinButton->setToolTip(label);
}

void HistoryWindow::restoreSelected()
{
    const qint64 id = selectedId();
    if (id == 0)
        return;
    const QString when = controls_.keptStoreList->selectedItems().first()->text(0);
    const Message question{
        QStringLiteral("Put the store kept on %1 back as setups.sav? The store as it is now is "
                       "kept in the history, so this can be undone.")
            .arg(when),
        MessageIcon::Question, QStringLiteral("Backup History")};
    if (showMessage(this, question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    const HistoryRestoreOutcome outcome = restoreGeneration(gameDirectory_, layout_, id);
    if (outcome.store)
        Q_EMIT gameStoreRead(*outcome.store);
    showCommandOutcome(this, outcome, lcHistoryWindow());
    controls_.keptStoreList->clearSelection();
    refresh();
}

void HistoryWindow::togglePin()
{
    const qint64 id = selectedId();
    if (id == 0)
        return;
    const bool pinned = controls_.keptStoreList->selectedItems().first()->text(3).isEmpty();
    const CommandOutcome outcome = pinGeneration(gameDirectory_, layout_, id, pinned);
    showCommandOutcome(this, outcome, lcHistoryWindow());
    refresh();
}

} // namespace tarvelin
