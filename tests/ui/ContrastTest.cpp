// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every window, measured on the window's rendered picture: the colour that
// stands out most from the text's background must reach 4.5:1 against it (WCAG AA).

#include "core/demo/DemoData.h"
#include "core/game/GameProfile.h"
#include "core/registry/Registry.h"
#include "support/FakeDriveTable.h"
#include "support/ui/EveryWindow.h"
#include "ui/session/GameWindowWiring.h"
#include "ui/session/Navigator.h"
#include "ui/widgets/FormScroll.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

constexpr double kLeast = 4.5;

double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb colour)
{
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// In `area` of `picture`: the most frequent colour is the background; the text is the colour,
// seen on a few pixels at least, that stands out most from it.
double textContrast(const QImage& picture, const QRect& area)
{
    QHash<QRgb, int> counts;
    const QRect inside = area.intersected(picture.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[picture.pixel(x, y) | 0xff000000u];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() >= 3)
            best = std::max(best, contrast(it.key(), background));
    return best;
}

// Where a widget draws its text, in its own coordinates; empty when it shows none.
QRect textArea(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text().trimmed().isEmpty() ? QRect() : label->contentsRect();
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        const int width = box->fontMetrics().horizontalAdvance(box->title()) + 16;
        return box->title().isEmpty() ? QRect() : QRect(4, 0, width, box->fontMetrics().height());
    }
    if (const auto* button = qobject_cast<const VBUSoftButton*>(widget)) {
        if (!button->ovalLabel().isEmpty()) {
            // The letters stand on the oval's face, in its middle.
            QRect face(0, 0, VBUSoftButton::kOvalWidth - 24, VBUSoftButton::kOvalHeight - 20);
            face.moveCenter(button->rect().center());
            return face;
        }
        return button->text().trimmed().isEmpty() ? QRect() : button->rect().adjusted(2, 2, -2, -2);
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(widget))
        return field->text().isEmpty() ? QRect() : field->rect().adjusted(2, 2, -2, -2);
    if (const auto* box = qobject_cast<const QComboBox*>(widget))
        return box->currentText().isEmpty() ? QRect() : box->rect().adjusted(3, 3, -3, -3);
    if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
        const bool empty = !view->model() || view->model()->rowCount(view->rootIndex()) == 0;
        return empty ? QRect() : view->rect().adjusted(3, 3, -3, -3);
    }
    return {};
}

struct Finding {
    QString where;
    double ratio;
};

std::vector<Finding> measure(QWidget* window)
{
    QApplication::processEvents();
    const QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal scale = picture.devicePixelRatio();
    std::vector<Finding> findings;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // A dialog owned by the window is measured as its own window.
        if (widget->window() != window || !widget->isVisibleTo(window) ||
            widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect area = textArea(widget);
        if (area.isEmpty())
            continue;
        const QRect placed(widget->mapTo(window, area.topLeft()) * scale, area.size() * scale);
        QString name = widget->objectName();
        if (name.isEmpty())
            name = QString::fromLatin1(widget->metaObject()->className());
        findings.push_back(
            {window->objectName() + QLatin1Char('/') + name, textContrast(picture, placed)});
    }
    return findings;
}

TEST(ContrastTest, EveryTextOfEveryWindowStandsOutFromItsBackground)
{
    fixture::EveryWindow every;
    ASSERT_FALSE(every.windows().empty());
    const std::vector<QWidget*>& windows = every.windows();

    int measured = 0;
    double lowest = 100;
    for (QWidget* window : windows) {
        ASSERT_NE(window, nullptr);
        Finding least{window->objectName(), 100};
        for (const Finding& finding : measure(window)) {
            ++measured;
            if (finding.ratio < least.ratio)
                least = finding;
            EXPECT_GE(finding.ratio, kLeast) << finding.where.toStdString();
        }
        lowest = std::min(lowest, least.ratio);
        std::printf("lowest in %s: %.2f:1\n", qPrintable(least.where), least.ratio);
    }
    EXPECT_GT(measured, 60);
    std::printf("%d texts measured, the lowest contrast %.2f:1\n", measured, lowest);
}

// Whether the focus shows on `control` (in `window`): across a band around its left edge, a few
// rows about its middle, some pixel changes 3:1 when the control takes the focus, so the ring
// stands out both from what lay there and from the control's edge without it.
bool focusShows(QWidget* window, QWidget* control)
{
    window->setFocus();
    QApplication::processEvents();
    const QImage before = window->grab().toImage();
    control->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage after = window->grab().toImage();
    const qreal scale = after.devicePixelRatio();
    const QPoint middle = control->mapTo(window, QPoint(0, control->height() / 2));
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -4; dx <= 3; ++dx) {
            const QPoint at = (middle + QPoint(dx, dy)) * scale;
            if (after.rect().contains(at) && contrast(after.pixel(at), before.pixel(at)) >= 3.0)
                return true;
        }
    return false;
}

// What takes the keyboard focus in the windows: lists, trees, drop-downs, fields, buttons,
// links, sliders, a read-only text reached by Tab.
bool takesFocus(QWidget* control, QWidget* window)
{
    const auto* field = qobject_cast<QLineEdit*>(control);
    const bool kind = qobject_cast<QAbstractItemView*>(control) ||
                      qobject_cast<QComboBox*>(control) || (field && !field->isReadOnly()) ||
                      qobject_cast<QAbstractButton*>(control) ||
                      qobject_cast<QAbstractSlider*>(control) ||
                      qobject_cast<QTextBrowser*>(control) || qobject_cast<QLabel*>(control);
    return kind && control->isVisibleTo(window) && control->isEnabled() &&
           (control->focusPolicy() & Qt::TabFocus) &&
           !control->objectName().startsWith(QLatin1String("qt_"));
}

TEST(ContrastTest, FocusShowsOnEveryControlThatTakesIt)
{
    fixture::EveryWindow every;
    ASSERT_FALSE(every.windows().empty());
    int checked = 0;
    for (QWidget* window : every.windows()) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->window() != window || !takesFocus(control, window))
                continue;
            EXPECT_TRUE(focusShows(window, control))
                << qPrintable(window->objectName() + u'/' + control->objectName());
            ++checked;
        }
    }
    EXPECT_GE(checked, 60);
}

} // namespace
} // namespace tarvelin
