// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/ProgressPicture.h"

#include <QPainter>

namespace tarvelin
{

ProgressPicture::ProgressPicture(QWidget* parent)
    : QWidget(parent), background_(palette().color(QPalette::Button))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

QSize ProgressPicture::sizeHint() const
{
    // 1455 by 100 twips.
    return {97, 7};
}

void ProgressPicture::setBackground(const QColor& colour)
{
    background_ = colour;
    clear();
}

void ProgressPicture::fillBlock(const QColor& colour, float left, float right)
{
    QPainter painter(&canvas_);
    const qreal from = left / kTwipsPerPixel;
    const qreal to = right / kTwipsPerPixel;
    painter.fillRect(QRectF(from, 0, to - from, canvas_.height()), colour);
    update();
}

void ProgressPicture::clear()
{
    canvas_.fill(background());
    update();
}

void ProgressPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

void ProgressPicture::resizeEvent(QResizeEvent*)
{
    // A resized box starts empty, as a picture box without a kept image does.
    canvas_ = QImage(size(), QImage::Format_RGB32);
    canvas_.fill(background());
}

} // namespace tarvelin
