// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace tarvelin
{

// The picture push button of every window, drawn by the program. It shows one of:
// - an oval label (86 by 40 pixels, the label in coloured letters), optionally on an arrow
//   that points towards where the command sends things;
// - a plain caption (QAbstractButton::text);
// - a picture given by its creator.
// Hover, pressed and keyboard focus are all visible; a click, Space or Enter emits clicked(). The
// creator sets an accessible name that says what the button does.
class VBUSoftButton : public QAbstractButton
{
    Q_OBJECT

public:
    enum class Arrow { None, Left, Right };

    explicit VBUSoftButton(QWidget* parent = nullptr);

    // The oval with `label` drawn in `labelColor`.
    void setOvalLabel(const QString& label, const QColor& labelColor, Arrow arrow = Arrow::None);
    // A caption drawn as text in the widget font, without picture.
    void setCaption(const QString& caption);
    void setPicture(const QPixmap& picture);

    const QString& ovalLabel() const { return ovalLabel_; }
    // The font the caption is drawn in when it has `room` pixels across: the widget's own, a
    // few pixels smaller where the caption would not fit otherwise.
    QFont fittedCaptionFont(qreal room) const;
    // The room a caption has across, inside the button's edge.
    qreal captionRoom() const { return width() - 10; }

    QSize sizeHint() const override;

    static constexpr int kOvalWidth = 86;
    static constexpr int kOvalHeight = 40;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class Face { Oval, Caption, Picture };

    QPixmap drawnFace(const QRectF& area) const;
    void paintOval(class QPainter& painter, const QRectF& area) const;
    void paintCaption(class QPainter& painter, const QRectF& area) const;
    void paintFocus(class QPainter& painter, const QRectF& area) const;

    Face face_ = Face::Caption;
    QString ovalLabel_;
    QColor labelColor_;
    Arrow arrow_ = Arrow::None;
    QPixmap picture_;
    bool hovered_ = false;
};

} // namespace tarvelin
