// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/AddressBox.h"

#include "core/platform/AddressSource.h"

namespace tarvelin
{

AddressBox::AddressBox(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("Text7"));
    setAccessibleName(QStringLiteral("Ip#"));
    setAccessibleDescription(QStringLiteral("Network address"));
    setToolTip(QStringLiteral("Shows your current ip address."));
    setReadOnly(true);
}

void AddressBox::showAddress(const AddressSource& source)
{
    setText(QStringLiteral("Ip# ") + source.localAddress());
    // Read as it reads on the screen, caption and address together.
    setAccessibleName(text());
    setCursorPosition(0);
}

} // namespace tarvelin
