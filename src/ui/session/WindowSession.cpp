// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/session/WindowSession.h"

#include "core/app/HelpIndex.h"
#include "ui/session/StoreLockNote.h"
#include "ui/widgets/Accessibility.h"

#include <QApplication>

namespace tarvelin
{

WindowSession::WindowSession(const QString& registryFile, const QString& helpDirectory)
    : registry_(registryFile.isEmpty() ? Registry::defaultFilePath() : registryFile)
{
    navigator_ = std::make_unique<Navigator>(
        Navigator::Services{&registry_, &programs_, &urls_, helpDirectory});
    installWindowFactories(*navigator_, platform_);
    installStoreLockNote();
}

WindowSession::~WindowSession()
{
    removeStoreLockNote();
}

int runWindows(const QString& registryFile)
{
    installAccessibility();
    WindowSession session(registryFile, findHelpDirectory(QCoreApplication::applicationDirPath()));
    session.navigator().showStart();
    return QApplication::exec();
}

} // namespace tarvelin
