// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/motion/Twips.h"

#include <QImage>
#include <QWidget>

namespace tarvelin
{

// A picture box that keeps what was drawn on it, in twips, until cleared.
class ProgressPicture : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressPicture(QWidget* parent = nullptr);

    // A filled block from `left` to `right` twips, the full height; what lies outside is cut off.
    void fillBlock(const QColor& colour, float left, float right);
    // Back to the background colour.
    void clear();
    float widthInTwips() const { return static_cast<float>(width() * kTwipsPerPixel); }
    const QImage& image() const { return canvas_; }
    QColor background() const { return background_; }
    // Also empties the picture.
    void setBackground(const QColor& colour);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage canvas_;
    QColor background_;
};

} // namespace tarvelin
