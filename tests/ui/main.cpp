// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/StateHome.h"
#include "ui/widgets/Accessibility.h"

#include <QApplication>
#include <gtest/gtest.h>

// The window tests need a QApplication alive for the whole run; they run offscreen.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    fixture::isolateStateHome();
    QApplication app(argc, argv);
    tarvelin::installAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
