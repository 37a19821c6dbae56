// SPDX-License-Identifier: GPL-3.0-or-later
// Every window as a screen reader walks it: what is shown is read, by the text shown, once.

#include "support/ui/EveryWindow.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

struct Node {
    QAccessibleInterface* face;
    QString name;
    QString where;
};

// What is showing in the tree under `face`, itself first.
void collect(QAccessibleInterface* face, std::vector<Node>& nodes, int depth = 0)
{
    if (!face || depth > 12 || face->state().invisible)
        return;
    QString where = face->object() ? face->object()->objectName() : QString();
    if (where.isEmpty() && face->object())
        where = QString::fromLatin1(face->object()->metaObject()->className());
    nodes.push_back({face, face->text(QAccessible::Name), where});
    for (int i = 0; i < face->childCount(); ++i)
        collect(face->child(i), nodes, depth + 1);
}

// A text as a voice command or a reader would say it: no mnemonic mark, no closing colon.
QString spoken(QString text)
{
    if (Qt::mightBeRichText(text))
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    text = text.simplified();
    while (text.endsWith(u':') || text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString shownText(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return spoken(label->text());
    if (const auto* button = qobject_cast<const VBUSoftButton*>(widget))
        return spoken(button->text());
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        return spoken(box->title());
    return {};
}

bool isOwnInterface(const Node& node)
{
    return node.face->object() &&
           QAccessible::queryAccessibleInterface(node.face->object()) == node.face;
}

// The faults a reader would meet in `window`, one line each.
QStringList faultsOf(QWidget* window)
{
    std::vector<Node> nodes;
    collect(QAccessible::queryAccessibleInterface(window), nodes);
    QStringList faults;
    const auto fault = [&](const Node& node, const QString& what) {
        faults << window->objectName() + u'/' + node.where + QStringLiteral(": ") + what +
                      QStringLiteral(" [") + node.name + u']';
    };
    QStringList heard;
    for (const Node& node : nodes) {
        heard << node.name;
        const QAccessible::State state = node.face->state();
        if (state.focusable && node.name.trimmed().isEmpty())
            fault(node, QStringLiteral("takes the focus without a name"));
        const QString description = node.face->text(QAccessible::Description);
        if (!description.isEmpty() && !node.name.isEmpty() &&
            (description.contains(node.name, Qt::CaseInsensitive) ||
             node.name.contains(description, Qt::CaseInsensitive)))
            fault(node, QStringLiteral("described by its own name: ") + description);
        auto* widget = qobject_cast<QWidget*>(node.face->object());
        if (!widget || !isOwnInterface(node))
            continue;
        const QString shown = shownText(widget);
        if (!shown.isEmpty() && !node.name.simplified().contains(shown, Qt::CaseInsensitive))
            fault(node, QStringLiteral("not named by its text: ") + shown);
        const bool bare = qobject_cast<QLabel*>(widget) || widget->inherits("QFrame");
        if (bare && node.name.isEmpty() && node.face->childCount() == 0)
            fault(node, QStringLiteral("decoration in the tree"));
        const bool acts = widget->focusPolicy() != Qt::NoFocus;
        if (qobject_cast<ClickableLabel*>(widget) && acts && node.face->role() != QAccessible::Link)
            fault(node, QStringLiteral("a link not read as a link"));
        const bool pressable =
            node.face->actionInterface() && node.face->actionInterface()->actionNames().contains(
                                                QAccessibleActionInterface::pressAction());
        if ((qobject_cast<ClickableLabel*>(widget) && acts) || qobject_cast<VBUSoftButton*>(widget))
            if (!pressable)
                fault(node, QStringLiteral("cannot be pressed by a reader"));
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            if (node.name != box->accessibleName() || node.name.isEmpty())
                fault(node, QStringLiteral("drop-down not named by what it holds"));
            // Orca reads the line a drop-down shows from its text.
            QAccessibleTextInterface* line = node.face->textInterface();
            if (!line || line->text(0, line->characterCount()) != box->currentText())
                fault(node, QStringLiteral("the line it shows is not read"));
        }
    }
    // A caption read on its own and again with its value: heard twice.
    for (const Node& node : nodes)
        for (const Node& other : nodes)
            if (&node != &other && node.face->role() == QAccessible::StaticText &&
                other.face->role() == QAccessible::StaticText && !node.name.isEmpty() &&
                other.name.startsWith(node.name + u' '))
                fault(node, QStringLiteral("heard again in ") + other.name);
    // Every text shown is heard somewhere, if not from its own control then with the value
    // it captions.
    const QString all = heard.join(u'\n').simplified();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QString shown = shownText(widget);
        if (widget->window() == window && widget->isVisibleTo(window) && !shown.isEmpty() &&
            !all.contains(shown, Qt::CaseInsensitive))
            faults << window->objectName() + u'/' + widget->objectName() +
                          QStringLiteral(": never heard: ") + shown;
    }
    return faults;
}

TEST(ScreenReaderTest, EveryWindowIsReadByWhatItShowsAndOnce)
{
    fixture::EveryWindow every;
    ASSERT_EQ(every.windows().size(), 11u);
    for (QWidget* window : every.windows()) {
        ASSERT_NE(window, nullptr);
        for (const QString& fault : faultsOf(window))
            ADD_FAILURE() << fault.toStdString();
    }
}

// The text of a message box is heard once, from the label that shows it; its buttons and title
// are read by what they show.
TEST(ScreenReaderTest, MessageBoxTextIsHeardOnce)
{
    const Message message{QStringLiteral("Please choose a file to Delete!"),
                          MessageIcon::Exclamation, QStringLiteral("TarvelinSetupUtility")};
    QStringList faults;
    int heard = -1;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        faults = faultsOf(box);
        std::vector<Node> nodes;
        collect(QAccessible::queryAccessibleInterface(box), nodes);
        heard = 0;
        for (const Node& node : nodes)
            for (QAccessible::Text kind : {QAccessible::Name, QAccessible::Description})
                heard += node.face->text(kind).contains(message.text) ? 1 : 0;
        box->close();
    });
    showMessage(nullptr, message);
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(faults.join(u'\n').toStdString(), "");
}

} // namespace
} // namespace tarvelin
