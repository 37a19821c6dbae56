// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace tarvelin
{

class AddressSource;

// `Text7`: "Ip# " and the machine's address as it was when the window opened.
class AddressBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit AddressBox(QWidget* parent = nullptr);

    // Reads the address once; nothing changes it afterwards.
    void showAddress(const AddressSource& source);
};

} // namespace tarvelin
