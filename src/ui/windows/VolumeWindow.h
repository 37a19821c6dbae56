// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/app/VolumeController.h"

#include <QWidget>
#include <functional>

class QLabel;
class QProgressBar;
class QScrollBar;

namespace tarvelin
{

class Beeper;
class VBUSoftButton;

// The volume window "volume": one slider that sets the sound card's speaker volume. The mixer
// is opened each time the window opens and closed when it closes; the volume is never read back.
class VolumeWindow : public QWidget
{
    Q_OBJECT

public:
    VolumeWindow(Mixer& mixer, Beeper& beeper, QWidget* parent = nullptr);

    // How the close button takes the window away; plain close() until the navigator sets the
    // slide to the left.
    void setCloseAction(std::function<void(QWidget&)> closeAction);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openMixer();
    void sliderMoved(int position);

    VolumeController controller_;
    Beeper& beeper_;
    std::function<void(QWidget&)> closeAction_;
    bool opened_ = false;

    QLabel* headingLabel_ = nullptr;
    QScrollBar* slider_ = nullptr;
    QProgressBar* progress_ = nullptr;
    VBUSoftButton* closeButton_ = nullptr;
};

} // namespace tarvelin
