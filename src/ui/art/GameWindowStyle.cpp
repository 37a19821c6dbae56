#include "ui/art/GameWindowStyle.h"

#include <QWidget>

namespace tarvelin
{

void applyGameWindowStyle(QWidget* surface)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    surface->setFont(font);
    surface->setStyleSheet(QStringLiteral(R"(
QLabel[role="caption"] { color: #d9dde6; }
QLabel[role="counter"] { color: #ffd45a; font-weight: bold; }
QLabel#Label1 { color: #8fc8ff; font-size: 8px; text-decoration: underline; }
QGroupBox {
    color: #ffd45a; font-weight: bold;
    border: 1px solid #5a6478; border-radius: 6px;
    background: rgba(10, 13, 20, 170);
    margin-top: 6px;
}
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }
QListWidget, QListView#File1, QTreeWidget#Dir1, QLineEdit, QComboBox {
    background: #f7f5ee; color: #15181e;
    border: 1px solid #0b0e14; border-radius: 2px;
    selection-background-color: #c0462a; selection-color: #ffffff;
}
QLineEdit#Text7 { background: #1b2130; color: #a8f0a0; border: 1px solid #3a4458; font-size: 9px; }
QStatusBar { background: #161b26; color: #d9dde6; border-top: 1px solid #2f3a4d; }
QStatusBar QLabel { color: #d9dde6; }
)"));
}

} // namespace tarvelin
