// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarvelin
{

// The machine's local network address, in dotted-decimal form.
class AddressSource
{
public:
    virtual ~AddressSource() = default;
    virtual QString localAddress() const = 0;
};

// The first non-loopback IPv4 address of an interface that is up, else "127.0.0.1".
class NetworkAddressSource final : public AddressSource
{
public:
    QString localAddress() const override;
};

} // namespace tarvelin
