// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every window shown whole: at the desktop's font, at a font one step larger, and
// (run again with QT_SCALE_FACTOR=2) at twice the scale.

#include "support/ui/EveryWindow.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

// The room `label` gives its text, in its own coordinates.
QRect textRoom(const QLabel* label)
{
    QRect room = label->contentsRect();
    const int margin = label->margin();
    room.adjust(margin, margin, -margin, -margin);
    if (label->indent() > 0)
        room.adjust(label->indent(), 0, 0, 0);
    return room;
}

// What of `widget`'s text is cut, or nothing.
QString cutText(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const QString text = label->text();
        if (text.trimmed().isEmpty() || label->pixmap().isNull() == false)
            return {};
        const QRect room = textRoom(label);
        if (label->wordWrap() || Qt::mightBeRichText(text)) {
            // A wrapped or rich text takes the lines it needs for the label's width.
            const int needed = label->heightForWidth(label->width());
            return needed > label->height() ? QStringLiteral("%1 high in %2: %3")
                                                  .arg(needed)
                                                  .arg(label->height())
                                                  .arg(text)
                                            : QString();
        }
        const QFontMetrics metrics = label->fontMetrics();
        const QRect needed = metrics.boundingRect(room, int(label->alignment()), text);
        const bool fits =
            metrics.horizontalAdvance(text) <= room.width() && needed.height() <= room.height() + 2;
        return fits ? QString()
                    : QStringLiteral("%1x%2 in %3x%4: %5")
                          .arg(metrics.horizontalAdvance(text))
                          .arg(needed.height())
                          .arg(room.width())
                          .arg(room.height())
                          .arg(text);
    }
    if (const auto* button = qobject_cast<const VBUSoftButton*>(widget)) {
        const QString text = button->text();
        const qreal room = button->captionRoom();
        const qreal width = QFontMetricsF(button->fittedCaptionFont(room)).horizontalAdvance(text);
        return !text.trimmed().isEmpty() && width > room
                   ? QStringLiteral("%1 in %2: %3").arg(width).arg(room).arg(text)
                   : QString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        const int needed = button->sizeHint().width();
        return !button->text().isEmpty() && needed > button->width()
                   ? QStringLiteral("%1 in %2: %3")
                         .arg(needed)
                         .arg(button->width())
                         .arg(button->text())
                   : QString();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        const int needed = box->fontMetrics().horizontalAdvance(box->title()) + 16;
        return needed > box->width()
                   ? QStringLiteral("%1 in %2: %3").arg(needed).arg(box->width()).arg(box->title())
                   : QString();
    }
    return {};
}

QStringList cutTexts(QWidget* window)
{
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window || !widget->isVisibleTo(window) ||
            widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (const QString what = cutText(widget); !what.isEmpty())
            cut << window->objectName() + u'/' + widget->objectName() + QStringLiteral(": ") + what;
    }
    return cut;
}

// The desktop's font as it is, then one step larger (two points, as the desktops' "Large
// Text" gives about).
TEST(TextsFitTest, EveryTextOfEveryWindowIsWholeAtTheDesktopFontAndOneStepLarger)
{
    const QFont desktop = QApplication::font();
    for (const qreal extra : {0.0, 2.0}) {
        QFont font = desktop;
        font.setPointSizeF(desktop.pointSizeF() + extra);
        QApplication::setFont(font);
        {
            fixture::EveryWindow every;
            ASSERT_FALSE(every.windows().empty());
            for (QWidget* window : every.windows())
                for (const QString& cut : cutTexts(window))
                    ADD_FAILURE() << "at " << font.pointSizeF() << " pt, scale "
                                  << window->devicePixelRatio() << ": " << cut.toStdString();
        }
        QApplication::setFont(desktop);
    }
}

} // namespace
} // namespace tarvelin
