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

// Every control of a backup history window, each carrying its object name.
struct HistoryWindowControls {
    QLabel* Image3 = nullptr;     // background
    QLabel* Image1 = nullptr;     // utility icon
    QLabel* Image2 = nullptr;     // banner
    QLabel* Image5 = nullptr;     // car picture
    QLabel* Label1 = nullptr;     // caption over the generations
    QTreeWidget* List1 = nullptr; // the generations: time, command, setups, pinned
    // The preview of the selected generation: what a restore brings back, removes, changes.
    std::array<QLabel*, 3> caption{};
    std::array<QListWidget*, 3> preview{};
    QLabel* Label5 = nullptr; // whether the order changes; what to do when nothing is selected
    VBUSoftButton* Restore = nullptr;
    VBUSoftButton* Pin = nullptr;
    VBUSoftButton* Close = nullptr;
};

inline constexpr int kHistoryWindowWidth = 640;
inline constexpr int kHistoryWindowHeight = 520;

enum PreviewList { BringBack = 0, Remove = 1, Change = 2 };

HistoryWindowControls buildHistoryWindowControls(QWidget* surface, const GameProfile& profile);

} // namespace tarvelin
