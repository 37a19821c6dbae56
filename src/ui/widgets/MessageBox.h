// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/Message.h"

#include <QList>
#include <QString>
#include <deque>

class QLoggingCategory;
class QWidget;

namespace tarvelin
{

// YesNoDefaultNo: Yes and No with No as the default button, for a question whose Yes loses a file.
enum class MessageButtons { Ok, YesNo, OkCancel, YesNoDefaultNo };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Shows `message` in a modal message box over `parent` and returns the button the player chose.
// Closing the box without a button answers No or Cancel (Ok for a box with one button).
// While a MessageRecorder is alive nothing is shown: the recorder answers instead.
MessageAnswer showMessage(QWidget* parent, const Message& message,
                          MessageButtons buttons = MessageButtons::Ok);

struct CommandOutcome;

// How a window ends a command: the outcome's detail and passed-over steps written to `log`, then
// its messages shown in order.
void showCommandOutcome(QWidget* parent, const CommandOutcome& outcome,
                        const QLoggingCategory& log);

// One box that would have been shown.
struct RecordedMessage {
    Message message;
    MessageButtons buttons = MessageButtons::Ok;
};

// Stands in for the player in tests and offscreen renders: while alive, showMessage records
// every box and answers with the next queued answer, else with the box's default button
// (Ok, Yes, Ok, No). Recorders nest; the newest one answers.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    const QList<RecordedMessage>& messages() const { return messages_; }
    // The texts of the recorded boxes, in order.
    QStringList texts() const;
    void clear() { messages_.clear(); }

    // The recorder now answering, or nullptr.
    static MessageRecorder* active();

private:
    friend MessageAnswer showMessage(QWidget*, const Message&, MessageButtons);
    MessageAnswer record(const Message& message, MessageButtons buttons);

    QList<RecordedMessage> messages_;
    std::deque<MessageAnswer> answers_;
    MessageRecorder* previous_ = nullptr;
};

} // namespace tarvelin
