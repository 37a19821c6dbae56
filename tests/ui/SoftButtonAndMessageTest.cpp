// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

TEST(MessageRecorderTest, RecordsBoxesAndAnswersQueuedThenFirstButton)
{
    MessageRecorder outer;
    {
        MessageRecorder inner;
        inner.queueAnswer(MessageAnswer::No);
        const Message question{QStringLiteral("Delete it?"), MessageIcon::Question};
        EXPECT_EQ(showMessage(nullptr, question, MessageButtons::YesNo), MessageAnswer::No);
        EXPECT_EQ(showMessage(nullptr, question, MessageButtons::YesNo), MessageAnswer::Yes);
        EXPECT_EQ(showMessage(nullptr, {QStringLiteral("Done")}, MessageButtons::OkCancel),
                  MessageAnswer::Ok);
        ASSERT_EQ(inner.messages().size(), 3);
        EXPECT_EQ(inner.messages()[0].message, question);
        EXPECT_EQ(inner.messages()[2].buttons, MessageButtons::OkCancel);
    }
    // The outer recorder answers again once the inner one is gone, and saw nothing before.
    EXPECT_TRUE(outer.messages().isEmpty());
    showMessage(nullptr, {QStringLiteral("After")});
    EXPECT_EQ(outer.texts(), QStringList{QStringLiteral("After")});
    EXPECT_EQ(MessageRecorder::active(), &outer);
}

// Its clicks by the mouse and the keys are the game window's tests, on each of its buttons.
TEST(VBUSoftButtonTest, PaintsEveryFace)
{
    VBUSoftButton button;
    button.setOvalLabel(QStringLiteral("Export"), Qt::yellow, VBUSoftButton::Arrow::Right);
    button.resize(97, 49);
    button.show();
    button.setFocus();

    // Every face draws something other than an empty rectangle, with and without focus.
    for (int face = 0; face < 3; ++face) {
        if (face == 1)
            button.setCaption(QStringLiteral("SWITCH"));
        if (face == 2) {
            QPixmap picture(20, 20);
            picture.fill(Qt::red);
            button.setPicture(picture);
        }
        const QImage image = button.grab().toImage();
        const QRgb corner = image.pixel(0, 0);
        const QRgb centre = image.pixel(image.width() / 2, image.height() / 2);
        EXPECT_NE(corner, centre) << "face " << face;
    }
}

TEST(VBUSoftButtonTest, FocusHoverAndPressEachLookDifferent)
{
    QWidget window;
    auto* button = new VBUSoftButton(&window);
    auto* other = new VBUSoftButton(&window);
    // Away from the corner where the offscreen pointer starts.
    button->setGeometry(50, 50, 97, 49);
    button->setOvalLabel(QStringLiteral("Delete"), Qt::red);
    window.resize(200, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();

    QList<QImage> looks{button->grab().toImage()};
    button->setFocus(Qt::TabFocusReason);
    looks << button->grab().toImage();
    other->setFocus();
    QTest::mouseMove(button, QPoint(40, 20));
    looks << button->grab().toImage();
    button->setDown(true);
    looks << button->grab().toImage();

    for (int a = 0; a < looks.size(); ++a)
        for (int b = a + 1; b < looks.size(); ++b)
            EXPECT_NE(looks[a], looks[b]) << a << " and " << b;
}

} // namespace
} // namespace tarvelin
