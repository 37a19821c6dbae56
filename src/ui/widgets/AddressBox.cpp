#include "ui/widgets/AddressBox.h"

#include "core/platform/AddressSource.h"

namespace tarvelin
{

AddressBox::AddressBox(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("Text7"));
    setAccessibleName(QStringLiteral("Network address"));
    setToolTip(QStringLiteral("Shows your current ip address."));
    setReadOnly(true);
}

void AddressBox::showAddress(const AddressSource& source)
{
    setText(QStringLiteral("Ip# ") + source.localAddress());
    setCursorPosition(0);
}

} // namespace tarvelin
