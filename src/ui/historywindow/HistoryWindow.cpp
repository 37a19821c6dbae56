#include "ui/historywindow/HistoryWindow.h"

#include "core/game/GameProfile.h"
#include "core/names/FileNameEncoding.h"
#include "core/store/StoreHistoryCommands.h"
#include "ui/Logging.h"
#include "ui/art/Artwork.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/VBUSoftButton.h"

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
    window->setStyleSheet(QStringLiteral(R"(
QLabel#Label1, QLabel#Label5 { color: #d9dde6; font-weight: bold; }
QLabel#Label2 { color: #7cf07a; font-weight: bold; }
QLabel#Label3 { color: #ffa094; font-weight: bold; }
QLabel#Label4 { color: #ffd45a; font-weight: bold; }
QTreeWidget, QListWidget {
    background: #f7f5ee; color: #15181e;
    border: 1px solid #0b0e14; border-radius: 2px;
    selection-background-color: #c0462a; selection-color: #ffffff;
}
)"));
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
    setTabOrder(c.List1, c.preview[BringBack]);
    setTabOrder(c.preview[BringBack], c.preview[Remove]);
    setTabOrder(c.preview[Remove], c.preview[Change]);
    setTabOrder(c.preview[Change], c.Restore);
    setTabOrder(c.Restore, c.Pin);
    setTabOrder(c.Pin, c.Close);

    // Only the player's click or arrow key chooses a line: the current line that a list gets
    // with the focus is not selected, and selection is what the preview follows.
    connect(c.List1, &QTreeWidget::itemSelectionChanged, this, &HistoryWindow::showPreview);
    connect(c.Restore, &QAbstractButton::clicked, this, &HistoryWindow::restoreSelected);
    connect(c.Pin, &QAbstractButton::clicked, this, &HistoryWindow::togglePin);
    connect(c.Close, &QAbstractButton::clicked, this, &QWidget::close);
    refresh();
}

qint64 HistoryWindow::selectedId() const
{
    const QList<QTreeWidgetItem*> selected = controls_.List1->selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->data(0, kIdRole).toLongLong();
}

void HistoryWindow::refresh()
{
    const qint64 keep = selectedId();
    const HistoryListOutcome listed = listHistory(gameDirectory_, layout_);
    QTreeWidget* list = controls_.List1;
    {
        const QSignalBlocker quiet(list);
        list->clear();
        for (const Generation& g : listed.generations) {
            auto* item = new QTreeWidgetItem(
                list, {shortLocalTime(g.time), g.command, QString::number(g.setups),
                       g.pinned ? QStringLiteral("Pinned") : QString()});
            item->setData(0, kIdRole, g.id);
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
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
    const QList<QTreeWidgetItem*> selected = c.List1->selectedItems();
    showPinLabel(!selected.isEmpty() && !selected.first()->text(3).isEmpty());
    c.Restore->setEnabled(id != 0);
    c.Pin->setEnabled(id != 0);
    if (id == 0) {
        for (QListWidget* list : c.preview)
            list->clear();
        c.Label5->setText(listedNothing() ? QStringLiteral("The history holds no kept store yet.")
                                          : kNothingSelected);
        return;
    }
    const HistoryPreviewOutcome outcome = previewGeneration(gameDirectory_, layout_, id);
    if (!outcome.done) {
        for (QListWidget* list : c.preview)
            list->clear();
        c.Label5->setText(outcome.messages.empty() ? QString()
                                                   : shownFileName(outcome.messages.front().text));
        return;
    }
    const StorePreview& preview = outcome.preview;
    fill(c.preview[BringBack], preview.bringBack);
    fill(c.preview[Remove], preview.remove);
    fill(c.preview[Change], preview.change);
    if (preview.changesNothing())
        c.Label5->setText(
            QStringLiteral("This kept store holds the same setups as the store now."));
    else
        c.Label5->setText(preview.reorder
                              ? QStringLiteral("Restoring also changes the order of the setups.")
                              : QStringLiteral("The order of the setups stays as it is."));
}

bool HistoryWindow::listedNothing() const
{
    return controls_.List1->topLevelItemCount() == 0;
}

void HistoryWindow::showPinLabel(bool pinned)
{
    const QString label = pinned ? QStringLiteral("Unpin") : QStringLiteral("Pin");
    controls_.Pin->setOvalLabel(label, QColor(0xff, 0xd4, 0x5a));
    controls_.Pin->setAccessibleName(label);
    controls_.Pin->setToolTip(label);
}

void HistoryWindow::restoreSelected()
{
    const qint64 id = selectedId();
    if (id == 0)
        return;
    const QString when = controls_.List1->selectedItems().first()->text(0);
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
    controls_.List1->clearSelection();
    refresh();
}

void HistoryWindow::togglePin()
{
    const qint64 id = selectedId();
    if (id == 0)
        return;
    const bool pinned = controls_.List1->selectedItems().first()->text(3).isEmpty();
    const CommandOutcome outcome = pinGeneration(gameDirectory_, layout_, id, pinned);
    showCommandOutcome(this, outcome, lcHistoryWindow());
    refresh();
}

} // namespace tarvelin
