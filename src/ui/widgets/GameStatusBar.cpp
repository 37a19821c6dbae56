// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/GameStatusBar.h"

#include "core/platform/Clock.h"
#include "ui/art/Artwork.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QTimer>

namespace tarvelin
{

namespace
{

constexpr int kTimeRefreshMs = 1000;

// The panel's picture: a small clock face.
QPixmap clockPicture()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(art::kClockHands, 2));
    painter.setBrush(art::kClockFace);
    painter.drawEllipse(QRectF(2, 2, 28, 28));
    painter.drawLine(QPointF(16, 16), QPointF(16, 7));
    painter.drawLine(QPointF(16, 16), QPointF(23, 16));
    return picture;
}

} // namespace

GameStatusBar::GameStatusBar(const Clock& clock, QWidget* parent)
    : QStatusBar(parent), clock_(clock), status_(new QLabel(QStringLiteral("Status"), this)),
      time_(new QLabel(this)), timer_(new QTimer(this))
{
    setObjectName(QStringLiteral("StatusBar1"));
    setAccessibleName(QStringLiteral("Status bar"));
    setSizeGripEnabled(false);
    // The bar keeps the window's 20 pixels whatever font the desktop sets: its letters keep the
    // size they have at the usual desktop font, and a larger one does not cut them. Set on the
    // panels themselves: the window's style sheet gives a bar's labels the desktop's font.
    QFont panels = font();
    panels.setPixelSize(12);
    setFont(panels);
    status_->setFont(panels);
    time_->setFont(panels);

    status_->setObjectName(QStringLiteral("Panel1"));
    status_->setAccessibleName(QStringLiteral("Status"));
    addWidget(status_, 1);

    auto* timePanel = new QWidget(this);
    timePanel->setObjectName(QStringLiteral("Panel2"));
    timePanel->setAccessibleName(QStringLiteral("Time panel"));
    auto* layout = new QHBoxLayout(timePanel);
    layout->setContentsMargins(2, 0, 2, 0);
    auto* picture = new QLabel(timePanel);
    picture->setObjectName(QStringLiteral("Panel2Picture"));
    picture->setAccessibleName(QStringLiteral("Clock picture"));
    const int side = fontMetrics().height();
    // Drawn once per process and size, as every picture of the windows.
    picture->setPixmap(art::keptPicture(QStringLiteral("clock %1").arg(side), [side] {
        return clockPicture().scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }));
    layout->addWidget(picture);
    time_->setParent(timePanel);
    time_->setObjectName(QStringLiteral("Panel2Time"));
    // Named by the time it shows, so a screen reader reads the time.
    time_->setAccessibleDescription(QStringLiteral("Time of day"));
    layout->addWidget(time_);
    addPermanentWidget(timePanel);

    updateTime();
    timer_->setInterval(kTimeRefreshMs);
    connect(timer_, &QTimer::timeout, this, &GameStatusBar::updateTime);
    timer_->start();
}

void GameStatusBar::updateTime()
{
    time_->setText(QLocale().toString(clock_.now().time(), QLocale::ShortFormat));
}

} // namespace tarvelin
