// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/MessageBox.h"

#include "core/names/FileNameEncoding.h"
#include "core/outcome/CommandOutcome.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>

namespace tarvelin
{
namespace
{

MessageRecorder* activeRecorder = nullptr;

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// What the icon beside the text tells a player who cannot see it.
QString iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QStringLiteral("Information");
    case MessageIcon::Exclamation:
        return QStringLiteral("Warning");
    case MessageIcon::Critical:
        return QStringLiteral("Error");
    case MessageIcon::Question:
        return QStringLiteral("Question");
    case MessageIcon::None:
        break;
    }
    return {};
}

MessageAnswer defaultAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo:
        return MessageAnswer::Yes;
    case MessageButtons::YesNoDefaultNo:
        return MessageAnswer::No;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        break;
    }
    return MessageAnswer::Ok;
}

} // namespace

MessageRecorder::MessageRecorder() : previous_(activeRecorder)
{
    activeRecorder = this;
}

MessageRecorder::~MessageRecorder()
{
    activeRecorder = previous_;
}

MessageRecorder* MessageRecorder::active()
{
    return activeRecorder;
}

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const RecordedMessage& recorded : messages_)
        result.append(recorded.message.text);
    return result;
}

MessageAnswer MessageRecorder::record(const Message& message, MessageButtons buttons)
{
    messages_.append(RecordedMessage{message, buttons});
    if (answers_.empty())
        return defaultAnswer(buttons);
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

MessageAnswer showMessage(QWidget* parent, const Message& message, MessageButtons buttons)
{
    if (activeRecorder)
        return activeRecorder->record(message, buttons);

    // A file name's bytes that are not UTF-8 show as U+FFFD, never as a lone surrogate.
    const QString text = shownFileName(message.text);
    QMessageBox box(boxIcon(message.icon), message.title, text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MessageButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    // The text is read once, from the label that shows it; a description would repeat it.
    box.setAccessibleName(message.title);
    if (auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        icon->setAccessibleName(iconName(message.icon));
    const int chosen = box.exec();
    switch (chosen) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    if (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoDefaultNo)
        return MessageAnswer::No;
    return buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

void showCommandOutcome(QWidget* parent, const CommandOutcome& outcome, const QLoggingCategory& log)
{
    if (!outcome.detail.isEmpty())
        qCWarning(log).noquote() << outcome.detail;
    for (const QString& step : outcome.passedOver)
        qCInfo(log).noquote() << "passed over:" << step;
    for (const Message& message : outcome.messages)
        showMessage(parent, message);
}

} // namespace tarvelin
