// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/motion/ProgressAnimation.h"

#include <QObject>
#include <QPointer>
#include <array>

class QTimer;
class QWidget;

namespace tarvelin
{

class ProgressPicture;

// The three progress indicators of a game window (`picProgress1..3`, driven by `Timer1..3`):
// started by a command, each plays the shared animation on its picture, 10 ms a step, and
// repaints its command's list at every step.
class ProgressIndicators : public QObject
{
    Q_OBJECT

public:
    // The pictures are created as children of `window`, at their default size; the window
    // places them.
    explicit ProgressIndicators(QWidget* window);
    // Drives pictures the window made itself (indicator 1 first).
    using Pictures = std::array<ProgressPicture*, ProgressAnimation::kIndicatorCount>;
    ProgressIndicators(const Pictures& pictures, QObject* parent);

    ProgressPicture* picture(int indicator) const { return pictures_.at(index(indicator)); }
    QTimer* timer(int indicator) const { return timers_.at(index(indicator)); }
    // The list that indicator `indicator` repaints at each step (`List1` or `File1`).
    void setRepaintedList(int indicator, QWidget* list);

    // Starts an idle indicator from the left; a running one goes on undisturbed.
    void start(int indicator);
    // Stops the timer; the blocks drawn so far stay.
    void stop(int indicator);
    bool isRunning(int indicator) const;
    qint16 barPosition() const { return animation_.barPosition(); }

    // One timer tick of `indicator`; nothing when it is idle.
    void step(int indicator);

private:
    static size_t index(int indicator) { return static_cast<size_t>(indicator - 1); }

    ProgressAnimation animation_;
    void createTimers();

    Pictures pictures_{};
    std::array<QTimer*, ProgressAnimation::kIndicatorCount> timers_{};
    std::array<QPointer<QWidget>, ProgressAnimation::kIndicatorCount> lists_{};
};

} // namespace tarvelin
