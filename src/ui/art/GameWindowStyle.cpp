// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/art/GameWindowStyle.h"

#include "ui/art/Palette.h"

#include <QWidget>

namespace tarvelin
{

void applyGameWindowStyle(QWidget* surface)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    surface->setFont(font);
    surface->setStyleSheet(art::paletteStyleSheet(QStringLiteral(R"(
QLabel[role="caption"] { color: $captionText; }
QLabel[role="counter"] { color: $valueGold; font-weight: bold; }
QLabel#Label1 { color: $makerLink; font-size: 8px; text-decoration: underline; }
QGroupBox {
    color: $valueGold; font-weight: bold;
    border: 1px solid $groupBorder; border-radius: 6px;
    background: $groupFill;
    margin-top: 6px;
}
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }
QListWidget, QListView#File1, QTreeWidget#Dir1, QLineEdit, QComboBox {
    background: $fieldFill; color: $fieldText;
    border: 1px solid $fieldBorder; border-radius: 2px;
    selection-background-color: $selectionFill; selection-color: $selectionText;
}
QListWidget#List1[dropping="true"] { border: 2px dashed $focusRing; }
QLineEdit#Text7 { background: $addressFill; color: $addressText; border: 1px solid $addressBorder; font-size: 9px; }
QStatusBar { background: $statusFill; color: $captionText; border-top: 1px solid $statusBorder; }
QStatusBar QLabel { color: $captionText; }
)") + art::kFocusRingRule));
}

} // namespace tarvelin
