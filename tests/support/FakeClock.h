// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Clock.h"

#include <utility>

namespace tarvelin
{

// A clock that shows whatever time the test sets.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime time) : time_(std::move(time)) {}
    QDateTime now() const override { return time_; }
    void set(QDateTime time) { time_ = std::move(time); }

private:
    QDateTime time_;
};

} // namespace tarvelin
