// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowOpening.h"

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QMainWindow;

// The game window's floor among windows: the same Qt widgets, at the same places, with the same
// texts and list rows, built by plain calls. Plain means no style sheet, no artwork and no custom
// painting: every picture button is a QPushButton, every picture a QLabel without its picture,
// every progress bar a bare QWidget.
namespace bench
{

// The plain Qt class a control of the game window stands for.
enum class PlainKind { Group, List, FileList, Tree, Combo, Line, StatusBar, Label, Button, Blank };

// One control, read off an open game window.
struct PlainControl {
    PlainKind kind = PlainKind::Blank;
    QString objectName;
    int parent = -1; // the index of its group box; -1: the window's client area
    QRect geometry;
    bool hidden = false;
    QString text;                 // caption, title or field text
    std::vector<QByteArray> rows; // list, tree, combo and status bar rows, in UTF-8
    std::vector<int> depths;      // a tree row's depth below the root row
    int current = -1;             // the current row, -1 for none
};

struct PlainMenu {
    QString title;
    std::vector<QString> entries; // an empty entry is a separator
};

// Everything the plain window is built from.
struct PlainWindowPlan {
    QString title;
    QSize windowSize;
    QSize clientSize;
    std::vector<PlainControl> controls;
    std::vector<PlainMenu> menus;
};

// Reads every control and menu of `gameWindow`, opened and shown, into a plan.
PlainWindowPlan planOf(const QMainWindow& gameWindow);

// Builds the plain window of `plan`, every text made from its bytes, shows it and lets it paint.
OpenWindow openPlainWindow(const PlainWindowPlan& plan);

} // namespace bench
