#pragma once

#include <QLabel>

namespace tarvelin
{

// A label or picture that reports a click of the left mouse button, as the game window's
// Label1 (the game maker's address) and Image5 (the car picture) do.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tarvelin
