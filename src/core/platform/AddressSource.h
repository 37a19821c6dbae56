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

// A fixed address, for tests and offscreen renders.
class FixedAddressSource final : public AddressSource
{
public:
    explicit FixedAddressSource(QString address) : address_(std::move(address)) {}
    QString localAddress() const override { return address_; }

private:
    QString address_;
};

} // namespace tarvelin
