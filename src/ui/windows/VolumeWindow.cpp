// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/VolumeWindow.h"

#include "core/platform/Beeper.h"
#include "ui/art/Artwork.h"
#include "ui/art/Palette.h"
#include "ui/widgets/EscapeCloses.h"
#include "ui/widgets/FocusRing.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace tarvelin
{

namespace
{

constexpr int kIconSize = 32;
// About a hundredth and a tenth of the slider's travel.
constexpr int kSingleStep = 328;
constexpr int kPageStep = 3277;

QLabel* pictureLabel(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                     const QString& accessibleName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(parent->style()->standardIcon(icon).pixmap(kIconSize, kIconSize));
    label->setAccessibleName(accessibleName);
    return label;
}

} // namespace

VolumeWindow::VolumeWindow(Mixer& mixer, Beeper& beeper, QWidget* parent)
    : QWidget(parent, Qt::Window), controller_(mixer), beeper_(beeper),
      closeAction_([](QWidget& window) { window.close(); })
{
    setObjectName(QStringLiteral("volume"));
    setWindowTitle(QStringLiteral("System Volume"));
    setWindowIcon(art::applicationIcon());

    auto* title = new QLabel(QStringLiteral("Tarvelin Volume Controller"), this);
    title->setObjectName(QStringLiteral("Label2"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);

    headingLabel_ = new QLabel(QStringLiteral("Volume Controller"), frame);
    headingLabel_->setObjectName(QStringLiteral("Label1"));

    slider_ = new QScrollBar(Qt::Horizontal, frame);
    slider_->setObjectName(QStringLiteral("VScroll1"));
    slider_->setAccessibleName(QStringLiteral("Speaker volume"));
    slider_->setRange(0, VolumeController::kMaxPosition);
    slider_->setSingleStep(kSingleStep);
    slider_->setPageStep(kPageStep);
    // A drag sets the volume once, when the thumb is let go.
    slider_->setTracking(false);
    slider_->setFocusPolicy(Qt::StrongFocus);
    // The desktop's scroll bar shows no focus of its own.
    ringOnFocus(slider_, art::kFocusRingOnLight);
    slider_->setMinimumWidth(240);
    slider_->installEventFilter(this);

    progress_ = new QProgressBar(frame);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setAccessibleName(QStringLiteral("Volume level set"));
    progress_->setRange(0, int(Mixer::kMaxLevel));
    progress_->setValue(0);
    progress_->setTextVisible(false);

    auto* beepButton = new VBUSoftButton(frame);
    beepButton->setObjectName(QStringLiteral("Image2"));
    beepButton->setAccessibleName(QStringLiteral("Sound the system beep"));
    beepButton->setToolTip(beepButton->accessibleName());
    beepButton->setPicture(style()->standardIcon(QStyle::SP_MediaVolume).pixmap(kIconSize));

    closeButton_ = new VBUSoftButton(this);
    closeButton_->setObjectName(QStringLiteral("VBUSoftButton1"));
    closeButton_->setAccessibleName(QStringLiteral("Close the volume window"));
    closeButton_->setToolTip(closeButton_->accessibleName());
    closeButton_->setOvalLabel(QStringLiteral("Close"), art::kGold, VBUSoftButton::Arrow::Left);

    auto* sliderRow = new QHBoxLayout;
    sliderRow->addWidget(
        pictureLabel(frame, "Image3", QStyle::SP_MediaVolumeMuted, QStringLiteral("Quiet")));
    sliderRow->addWidget(slider_, 1);
    sliderRow->addWidget(beepButton);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(headingLabel_);
    frameLayout->addLayout(sliderRow);
    frameLayout->addWidget(progress_);

    auto* header = new QHBoxLayout;
    header->addWidget(
        pictureLabel(this, "Image1", QStyle::SP_MediaVolume, QStringLiteral("Speaker")));
    header->addWidget(title, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(frame);
    layout->addWidget(closeButton_, 0, Qt::AlignRight);

    connect(slider_, &QScrollBar::valueChanged, this, &VolumeWindow::sliderMoved);
    connect(beepButton, &QAbstractButton::clicked, this, [this] { beeper_.beep(); });
    connect(closeButton_, &QAbstractButton::clicked, this, [this] { closeAction_(*this); });
    closeOnEscape(this, closeButton_);
}

bool VolumeWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A scroll bar's arrow keys run against its value (Left raises); on a volume slider Right
    // and Up raise it, Left and Down lower it. Page keys, Home and End stay as they are.
    if (watched == slider_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
        switch (key->key()) {
        case Qt::Key_Right:
        case Qt::Key_Up:
            action = QAbstractSlider::SliderSingleStepAdd;
            break;
        case Qt::Key_Left:
        case Qt::Key_Down:
            action = QAbstractSlider::SliderSingleStepSub;
            break;
        default:
            break;
        }
        if (action != QAbstractSlider::SliderNoAction) {
            slider_->triggerAction(action);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void VolumeWindow::setCloseAction(std::function<void(QWidget&)> closeAction)
{
    closeAction_ = std::move(closeAction);
}

void VolumeWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Shown again while open (raised, restored from the task bar): the state is kept, and a
    // missing mixer is told once per opening.
    if (!opened_ && !event->spontaneous()) {
        opened_ = true;
        openMixer();
    }
}

void VolumeWindow::openMixer()
{
    // Each opening starts from the slider's resting place; the volume is not read.
    {
        const QSignalBlocker blocker(slider_);
        slider_->setValue(0);
    }
    progress_->setValue(0);
    const VolumeController::Opening opening = controller_.open();
    if (opening.controlFound)
        headingLabel_->setText(QStringLiteral("Volume Controller"));
    if (opening.message)
        showMessage(this, *opening.message);
}

void VolumeWindow::sliderMoved(int position)
{
    const quint32 level = controller_.setPosition(position);
    beeper_.beep();
    progress_->setValue(int(level));
}

void VolumeWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted()) {
        controller_.close();
        opened_ = false;
    }
}

} // namespace tarvelin
