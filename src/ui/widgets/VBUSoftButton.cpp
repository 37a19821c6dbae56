// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/VBUSoftButton.h"

#include "ui/art/Artwork.h"

#include <QEnterEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace tarvelin
{
namespace
{

// The oval's metal face, darker when pressed and lighter under the pointer.
QLinearGradient faceGradient(const QRectF& area, bool pressed, bool hovered)
{
    QColor top = pressed ? art::kOvalPressedFaceTop : art::kOvalFaceTop;
    QColor bottom = pressed ? art::kOvalPressedFaceBottom : art::kOvalFaceBottom;
    if (hovered && !pressed) {
        top = top.lighter(125);
        bottom = bottom.lighter(140);
    }
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(0.48, top.darker(115));
    gradient.setColorAt(0.52, bottom.lighter(130));
    gradient.setColorAt(1.0, bottom);
    return gradient;
}

QPainterPath arrowPath(const QRectF& area, VBUSoftButton::Arrow arrow)
{
    const qreal shaftTop = area.top() + area.height() * 0.34;
    const qreal shaftBottom = area.top() + area.height() * 0.66;
    const qreal headLength = area.height() * 0.55;
    QPainterPath path;
    if (arrow == VBUSoftButton::Arrow::Right) {
        const qreal headStart = area.right() - headLength;
        path.moveTo(area.left() + 6, shaftTop);
        path.lineTo(headStart, shaftTop);
        path.lineTo(headStart, area.top() + 4);
        path.lineTo(area.right() - 3, area.center().y());
        path.lineTo(headStart, area.bottom() - 4);
        path.lineTo(headStart, shaftBottom);
        path.lineTo(area.left() + 6, shaftBottom);
    } else {
        const qreal headEnd = area.left() + headLength;
        path.moveTo(area.right() - 6, shaftTop);
        path.lineTo(headEnd, shaftTop);
        path.lineTo(headEnd, area.top() + 4);
        path.lineTo(area.left() + 3, area.center().y());
        path.lineTo(headEnd, area.bottom() - 4);
        path.lineTo(headEnd, shaftBottom);
        path.lineTo(area.right() - 6, shaftBottom);
    }
    path.closeSubpath();
    return path;
}

} // namespace

VBUSoftButton::VBUSoftButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void VBUSoftButton::setOvalLabel(const QString& label, const QColor& labelColor, Arrow arrow)
{
    face_ = Face::Oval;
    ovalLabel_ = label;
    labelColor_ = labelColor;
    arrow_ = arrow;
    update();
}

void VBUSoftButton::setCaption(const QString& caption)
{
    face_ = Face::Caption;
    setText(caption);
    update();
}

void VBUSoftButton::setPicture(const QPixmap& picture)
{
    face_ = Face::Picture;
    picture_ = picture;
    update();
}

QSize VBUSoftButton::sizeHint() const
{
    if (face_ == Face::Oval)
        return {kOvalWidth + 4, kOvalHeight + 4};
    if (face_ == Face::Picture && !picture_.isNull())
        return picture_.deviceIndependentSize().toSize() + QSize(4, 4);
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 16, metrics.height() + 6};
}

void VBUSoftButton::keyPressEvent(QKeyEvent* event)
{
    // Space presses the button (QAbstractButton's own); Enter runs it as well, as a desktop
    // player expects of a button that has the focus.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void VBUSoftButton::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void VBUSoftButton::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void VBUSoftButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    switch (face_) {
    case Face::Oval:
    case Face::Caption:
        painter.drawPixmap(0, 0, drawnFace(area));
        break;
    case Face::Picture: {
        QRectF target = area;
        if (isDown())
            target.translate(1, 1);
        const QSizeF size =
            picture_.deviceIndependentSize().scaled(target.size(), Qt::KeepAspectRatio);
        QRectF placed(QPointF(), size);
        placed.moveCenter(target.center());
        painter.drawPixmap(placed, picture_, picture_.rect());
        if (hovered_ && isEnabled()) {
            painter.setPen(QPen(art::kPictureHoverRing, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(placed.adjusted(1, 1, -1, -1), 6, 6);
        }
        break;
    }
    }
    if (hasFocus())
        paintFocus(painter, area);
}

// A window's buttons share a handful of faces: each is drawn once, in every state it is shown
// in, and painted from then on as a picture. The key holds all that the drawing depends on.
QPixmap VBUSoftButton::drawnFace(const QRectF& area) const
{
    const qreal ratio = devicePixelRatioF();
    const bool oval = face_ == Face::Oval;
    const QString key =
        QStringLiteral("button %1 %2x%3@%4 %5%6%7 %8 %9 %10 %11")
            .arg(oval ? QStringLiteral("oval") : QStringLiteral("caption"))
            .arg(width())
            .arg(height())
            .arg(ratio)
            .arg(int(isDown()))
            .arg(int(hovered_))
            .arg(int(isEnabled()))
            .arg(int(arrow_))
            .arg(labelColor_.name(QColor::HexArgb), font().key(), oval ? ovalLabel_ : text());
    return art::keptPicture(key, [&] {
        QPixmap pixmap(size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        if (oval)
            paintOval(painter, area);
        else
            paintCaption(painter, area);
        return pixmap;
    });
}

void VBUSoftButton::paintOval(QPainter& painter, const QRectF& area) const
{
    QRectF oval(0, 0, std::min<qreal>(kOvalWidth, area.width()),
                std::min<qreal>(kOvalHeight, area.height()));
    oval.moveCenter(area.center());
    const bool pressed = isDown();
    if (pressed)
        oval.translate(1, 1);

    // Drop shadow, then the rim, then the face.
    painter.setPen(Qt::NoPen);
    painter.setBrush(pressed ? art::kOvalPressedShadow : art::kOvalShadow);
    painter.drawEllipse(oval.translated(2, 2));
    painter.setBrush(art::kOvalRim);
    painter.drawEllipse(oval);
    const QRectF face = oval.adjusted(2, 2, -2, -2);
    painter.setBrush(faceGradient(face, pressed, hovered_ && isEnabled()));
    painter.drawEllipse(face);
    if (hovered_ && isEnabled()) {
        painter.setPen(QPen(art::kOvalHoverRing, 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(oval.adjusted(0.8, 0.8, -0.8, -0.8));
        painter.setPen(Qt::NoPen);
    }

    if (arrow_ != Arrow::None) {
        painter.setBrush(art::kOvalArrow);
        painter.drawPath(arrowPath(face.adjusted(4, 3, -4, -3), arrow_));
    }

    // A glint on the upper half, as on a polished badge.
    QRectF glint = face.adjusted(face.width() * 0.12, 1.5, -face.width() * 0.12, 0);
    glint.setHeight(face.height() * 0.42);
    QLinearGradient shine(glint.topLeft(), glint.bottomLeft());
    shine.setColorAt(0, art::kOvalGlint);
    shine.setColorAt(1, art::kOvalGlintEnd);
    painter.setBrush(shine);
    painter.drawEllipse(glint);

    QFont labelFont = font();
    labelFont.setBold(true);
    labelFont.setPixelSize(15);
    const QFontMetricsF metrics(labelFont);
    const qreal room = face.width() - 14;
    while (labelFont.pixelSize() > 8 && metrics.horizontalAdvance(ovalLabel_) > room) {
        labelFont.setPixelSize(labelFont.pixelSize() - 1);
        if (QFontMetricsF(labelFont).horizontalAdvance(ovalLabel_) <= room)
            break;
    }
    painter.setFont(labelFont);
    painter.setPen(art::kOvalLabelShadow);
    painter.drawText(face.translated(1, 1), Qt::AlignCenter, ovalLabel_);
    painter.setPen(isEnabled() ? labelColor_ : art::kOvalDisabledLabel);
    painter.drawText(face, Qt::AlignCenter, ovalLabel_);
}

QFont VBUSoftButton::fittedCaptionFont(qreal room) const
{
    // A long caption shrinks a little before it is cut short.
    QFont captionFont = font();
    const int smallest = std::max(7, QFontInfo(captionFont).pixelSize() - 3);
    while (QFontInfo(captionFont).pixelSize() > smallest &&
           QFontMetricsF(captionFont).horizontalAdvance(text()) > room)
        captionFont.setPixelSize(QFontInfo(captionFont).pixelSize() - 1);
    return captionFont;
}

void VBUSoftButton::paintCaption(QPainter& painter, const QRectF& area) const
{
    const bool pressed = isDown();
    const bool hovered = hovered_ && isEnabled();
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    QColor top = pressed ? art::kCaptionButtonPressedTop : art::kCaptionButtonTop;
    QColor bottom = pressed ? art::kCaptionButtonPressedBottom : art::kCaptionButtonBottom;
    if (hovered && !pressed) {
        top = top.lighter(125);
        bottom = bottom.lighter(125);
    }
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    const qreal radius = std::min<qreal>(6, area.height() / 2);
    painter.setPen(QPen(hovered ? art::kCaptionButtonHoverEdge : art::kCaptionButtonEdge, 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(area, radius, radius);

    QRectF textArea = area.adjusted(4, 0, -4, 0);
    if (pressed)
        textArea.translate(1, 1);
    const QFont captionFont = fittedCaptionFont(textArea.width());
    painter.setFont(captionFont);
    painter.setPen(isEnabled() ? art::kCaptionButtonText : art::kCaptionButtonDisabledText);
    const QString shown =
        QFontMetrics(captionFont).elidedText(text(), Qt::ElideRight, int(textArea.width()));
    painter.drawText(textArea, Qt::AlignCenter, shown);
}

void VBUSoftButton::paintFocus(QPainter& painter, const QRectF& area) const
{
    QPen pen(art::kFocusRing, 1.4, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (face_ == Face::Oval) {
        QRectF ring(0, 0, std::min<qreal>(kOvalWidth + 6, area.width()),
                    std::min<qreal>(kOvalHeight + 6, area.height()));
        ring.moveCenter(area.center());
        painter.drawEllipse(ring.adjusted(0.7, 0.7, -0.7, -0.7));
    } else {
        painter.drawRoundedRect(area.adjusted(0.7, 0.7, -0.7, -0.7), 4, 4);
    }
}

} // namespace tarvelin
