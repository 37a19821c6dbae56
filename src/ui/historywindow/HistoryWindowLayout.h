// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class QLabel;
class QListWidget;
class QTreeWidget;
class QWidget;

namespace tarvelin
{

struct GameProfile;
class VBUSoftButton;

// Every control of a backup history window; the object names are in the comments.
struct HistoryWindowControls {
    QLabel* backgroundPicture = nullptr;  // Image3
    QLabel* iconPicture = nullptr;        // Image1
    QLabel* titlePicture = nullptr;       // Image2
    QLabel* carPicture = nullptr;         // Image5
    QLabel* keptStoresCaption = nullptr;  // Label1
    QTreeWidget* keptStoreList = nullptr; // List1: time, command, setups, pinned
    // The preview of the selected generation: what a restore brings back, removes, changes
    // (Label2 to Label4 over List2 to List4), indexed by PreviewList.
    std::array<QLabel*, 3> previewCaptions{};
    std::array<QListWidget*, 3> previewLists{};
    // Label5: whether the order changes; what to do when nothing is selected.
    QLabel* previewNote = nullptr;
    VBUSoftButton* restoreButton = nullptr; // Restore
    VBUSoftButton* pinButton = nullptr;     // Pin
    VBUSoftButton* closeButton = nullptr;   // Close
};

inline constexpr int kHistoryWindowWidth = 640;
inline constexpr int kHistoryWindowHeight = 520;

enum PreviewList { BringBack = 0, Remove = 1, Change = 2 };

HistoryWindowControls buildHistoryWindowControls(QWidget* surface, const GameProfile& profile);

} // namespace tarvelin
