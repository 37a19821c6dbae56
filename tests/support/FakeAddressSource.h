// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/AddressSource.h"

#include <utility>

namespace tarvelin
{

// The address a test names.
class FakeAddressSource final : public AddressSource
{
public:
    explicit FakeAddressSource(QString address) : address_(std::move(address)) {}
    QString localAddress() const override { return address_; }

private:
    QString address_;
};

} // namespace tarvelin
