// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

namespace tarvelin
{

class Clock;

// `StatusBar1`: a first panel reading "Status" and a second one with a small clock picture and
// the time of day, kept up to date.
class GameStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    // `clock` must outlive the bar.
    explicit GameStatusBar(const Clock& clock, QWidget* parent = nullptr);

    QLabel* statusPanel() const { return status_; }
    QLabel* timePanel() const { return time_; }

    // Shows the clock's time now (the bar's own timer calls this every second).
    void updateTime();

private:
    const Clock& clock_;
    QLabel* status_;
    QLabel* time_;
    QTimer* timer_;
};

} // namespace tarvelin
