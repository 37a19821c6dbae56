// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gamewindow/ProgressIndicators.h"

#include "ui/widgets/ProgressPicture.h"

#include <QAbstractScrollArea>
#include <QTimer>

namespace tarvelin
{

namespace
{

const char* const kAccessibleNames[] = {"Import progress", "Export progress", "Sort progress"};

} // namespace

ProgressIndicators::ProgressIndicators(QWidget* window) : QObject(window)
{
    for (int indicator = 1; indicator <= ProgressAnimation::kIndicatorCount; ++indicator) {
        auto* picture = new ProgressPicture(window);
        picture->setObjectName(QStringLiteral("picProgress%1").arg(indicator));
        picture->setAccessibleName(QString::fromLatin1(kAccessibleNames[indicator - 1]));
        pictures_.at(index(indicator)) = picture;
    }
    createTimers();
}

ProgressIndicators::ProgressIndicators(const Pictures& pictures, QObject* parent)
    : QObject(parent), pictures_(pictures)
{
    createTimers();
}

void ProgressIndicators::createTimers()
{
    for (int indicator = 1; indicator <= ProgressAnimation::kIndicatorCount; ++indicator) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("Timer%1").arg(indicator));
        timer->setInterval(ProgressAnimation::kIntervalMs);
        connect(timer, &QTimer::timeout, this, [this, indicator] { step(indicator); });
        timers_.at(index(indicator)) = timer;
    }
}

void ProgressIndicators::setRepaintedList(int indicator, QWidget* list)
{
    lists_.at(index(indicator)) = list;
}

void ProgressIndicators::start(int indicator)
{
    if (animation_.start(indicator))
        timer(indicator)->start();
}

void ProgressIndicators::stop(int indicator)
{
    animation_.stop(indicator);
    timer(indicator)->stop();
}

bool ProgressIndicators::isRunning(int indicator) const
{
    return animation_.isRunning(indicator);
}

void ProgressIndicators::step(int indicator)
{
    if (!animation_.isRunning(indicator))
        return;
    ProgressPicture* box = picture(indicator);
    const ProgressAnimation::Step step = animation_.step(indicator, box->widthInTwips());
    box->fillBlock(QColor(step.colour.red, step.colour.green, step.colour.blue), step.left,
                   step.right);
    if (step.clearAndStop) {
        box->clear();
        timer(indicator)->stop();
    }
    if (QWidget* list = lists_.at(index(indicator))) {
        auto* area = qobject_cast<QAbstractScrollArea*>(list);
        (area ? area->viewport() : list)->repaint();
    }
}

} // namespace tarvelin
