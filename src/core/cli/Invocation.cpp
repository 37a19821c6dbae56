// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/Invocation.h"

#include "core/store/SetupTable.h"

#include <algorithm>

namespace tarvelin::cli
{

namespace
{

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

QString spelling(const OptionSpec& option)
{
    return QStringLiteral("--") + text(option.name);
}

// "--slot K", or "--json" for a flag.
QString withValue(const OptionSpec& option)
{
    if (option.valueName.empty())
        return spelling(option);
    return spelling(option) + QLatin1Char(' ') + text(option.valueName);
}

const OptionSpec* findOption(const QString& written)
{
    const auto table = optionTable();
    if (written.startsWith(QLatin1String("--"))) {
        const QString name = written.mid(2);
        const auto found = std::find_if(table.begin(), table.end(),
                                        [&](const OptionSpec& o) { return name == text(o.name); });
        return found == table.end() ? nullptr : &*found;
    }
    if (written.size() != 2)
        return nullptr;
    const auto found = std::find_if(table.begin(), table.end(), [&](const OptionSpec& o) {
        return o.shortName != 0 && written.at(1) == QLatin1Char(o.shortName);
    });
    return found == table.end() ? nullptr : &*found;
}

bool takes(std::span<const CommandOption> options, Option option)
{
    return std::any_of(options.begin(), options.end(),
                       [&](const CommandOption& o) { return o.option == option; });
}

bool takesRepeatedly(std::span<const CommandOption> options, Option option)
{
    return std::any_of(options.begin(), options.end(),
                       [&](const CommandOption& o) { return o.option == option && o.repeatable; });
}

// The commands whose name begins with `word` and a blank: "registry" -> "registry set", ...
std::vector<const CommandSpec*> commandsUnder(const QString& word)
{
    std::vector<const CommandSpec*> found;
    const QString prefix = word + QLatin1Char(' ');
    for (const CommandSpec& command : commandTable()) {
        if (text(command.name).startsWith(prefix))
            found.push_back(&command);
    }
    return found;
}

QString oneOf(const std::vector<const CommandSpec*>& commands, qsizetype skip)
{
    QStringList words;
    for (const CommandSpec* command : commands)
        words << text(command->name).mid(skip);
    const QString last = words.takeLast();
    return words.isEmpty() ? last
                           : words.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

// What is wrong with an option's value, as the usage error names it; empty when nothing is.
QString valueProblem(const OptionSpec& option, const QString& value)
{
    const QString name = spelling(option);
    if (option.kind != ValueKind::None && value.isEmpty())
        return QStringLiteral("%1 is empty").arg(name);
    if (option.kind == ValueKind::Game && value != QLatin1String("dtr") &&
        value != QLatin1String("sc"))
        return QStringLiteral("%1 takes dtr or sc, not %2").arg(name, value);
    if (option.kind == ValueKind::Slot) {
        bool ok = false;
        const int number = value.toInt(&ok);
        if (!ok || !SetupTable::isSlot(number))
            return QStringLiteral("%1 takes a slot number from 1 to %2, not %3")
                .arg(name)
                .arg(layout::kSlotCount)
                .arg(value);
    }
    return {};
}

struct GivenOption {
    const OptionSpec* definition;
    QString value;
};

class Parser
{
public:
    explicit Parser(const QStringList& arguments) : arguments_(arguments) {}

    Invocation parse()
    {
        const bool tokensRead = readTokens();
        const QString commandProblem = resolveCommand();
        if (!tokensRead) {
            if (!invocation_.command)
                return failed(unknownOption_.isEmpty()
                                  ? tokenProblem_
                                  : QStringLiteral("%1 is not an option").arg(unknownOption_));
            if (!unknownOption_.isEmpty())
                return failed(prefix() + QStringLiteral("%1 is not an option of %2")
                                             .arg(unknownOption_, text(invocation_.command->name)));
            return failed(prefix() + tokenProblem_);
        }
        const bool help = std::any_of(given_.begin(), given_.end(), [](const GivenOption& o) {
            return o.definition->option == Option::Help;
        });
        if (help && (invocation_.command || commandProblem.isEmpty() || missingSubcommand_)) {
            // The help is shown whatever else the line holds; the command's when one is named.
            invocation_.options[static_cast<std::size_t>(Option::Help)] = QString();
            return invocation_;
        }
        if (!commandProblem.isEmpty())
            return failed(commandProblem);
        if (takeOptions() && takeArguments())
            checkRequired();
        return invocation_;
    }

private:
    // Splits the line into options with their values and the other words. False, with the
    // problem, when an option is not known, lacks its value or has one it does not take.
    bool readTokens()
    {
        bool optionsEnded = false;
        for (qsizetype i = 0; i < arguments_.size(); ++i) {
            const QString& argument = arguments_.at(i);
            if (!optionsEnded && argument == QLatin1String("--")) {
                optionsEnded = true;
                continue;
            }
            if (optionsEnded || argument.size() < 2 || !argument.startsWith(QLatin1Char('-'))) {
                words_ << argument;
                continue;
            }
            QString written = argument;
            std::optional<QString> inlineValue;
            if (const qsizetype equals = argument.indexOf(QLatin1Char('='));
                argument.startsWith(QLatin1String("--")) && equals > 0) {
                written = argument.left(equals);
                inlineValue = argument.mid(equals + 1);
            }
            const OptionSpec* option = findOption(written);
            if (!option) {
                unknownOption_ = written;
                return false;
            }
            if (option->kind == ValueKind::None) {
                if (inlineValue) {
                    tokenProblem_ = QStringLiteral("%1 takes no value").arg(spelling(*option));
                    return false;
                }
                given_.push_back({option, QString()});
                continue;
            }
            if (!inlineValue) {
                // "--slot --game dtr" lacks the slot; a value that looks like an option may be
                // written --name=--odd.
                const bool valueFollows =
                    i + 1 < arguments_.size() &&
                    !(arguments_.at(i + 1).startsWith(QLatin1String("--")) &&
                      findOption(arguments_.at(i + 1).section(QLatin1Char('='), 0, 0)));
                if (!valueFollows) {
                    tokenProblem_ = QStringLiteral("%1 needs %2")
                                        .arg(spelling(*option), text(option->valueName));
                    return false;
                }
                inlineValue = arguments_.at(++i);
            }
            given_.push_back({option, *inlineValue});
        }
        return true;
    }

    // Finds the command the first one or two words name; returns the problem when they name
    // none.
    QString resolveCommand()
    {
        if (words_.isEmpty())
            return {};
        const QString first = words_.first();
        for (const CommandSpec& command : commandTable()) {
            if (text(command.name) == first) {
                invocation_.command = &command;
                consumed_ = 1;
                return {};
            }
        }
        const std::vector<const CommandSpec*> under = commandsUnder(first);
        if (under.empty())
            return QStringLiteral("%1 is not a command").arg(first);
        if (words_.size() < 2) {
            missingSubcommand_ = true;
            invocation_.group = first;
            return QStringLiteral("%1: needs %2").arg(first, oneOf(under, first.size() + 1));
        }
        const QString both = first + QLatin1Char(' ') + words_.at(1);
        for (const CommandSpec* command : under) {
            if (text(command->name) == both) {
                invocation_.command = command;
                consumed_ = 2;
                return {};
            }
        }
        return QStringLiteral("%1 is not a command; %2 takes %3")
            .arg(both, first, oneOf(under, first.size() + 1));
    }

    QString prefix() const { return text(invocation_.command->name) + QStringLiteral(": "); }

    bool allowed(Option option) const
    {
        if (!invocation_.command)
            return takes(windowOptions(), option);
        return takes(invocation_.command->options, option) || takes(everyCommandOptions(), option);
    }

    bool takeOptions()
    {
        for (const GivenOption& given : given_) {
            const OptionSpec& option = *given.definition;
            const QString name = spelling(option);
            if (!allowed(option.option)) {
                if (!invocation_.command)
                    return fail(QStringLiteral("%1 needs a command").arg(name));
                return fail(prefix() + QStringLiteral("%1 is not an option of %2")
                                           .arg(name, text(invocation_.command->name)));
            }
            const QString where = invocation_.command ? prefix() : QString();
            auto& slot = invocation_.options[static_cast<std::size_t>(option.option)];
            const bool repeatable =
                invocation_.command && takesRepeatedly(invocation_.command->options, option.option);
            if (slot && !repeatable)
                return fail(where + QStringLiteral("%1 is given twice").arg(name));
            if (const QString problem = valueProblem(option, given.value); !problem.isEmpty())
                return fail(where + problem);
            if (!slot)
                slot = given.value;
            if (repeatable)
                invocation_.repeated[static_cast<std::size_t>(option.option)] << given.value;
        }
        return true;
    }

    bool takeArguments()
    {
        if (!invocation_.command)
            return true;
        const std::span<const ArgumentSpec> definitions = invocation_.command->arguments;
        const QStringList written = words_.mid(consumed_);
        const bool takesMore = !definitions.empty() && definitions.back().repeatable;
        if (written.size() > static_cast<qsizetype>(definitions.size()) && !takesMore)
            return fail(prefix() +
                        QStringLiteral("unexpected argument \"%1\"")
                            .arg(written.at(static_cast<qsizetype>(definitions.size()))));
        for (std::size_t i = 0; i < definitions.size(); ++i) {
            const ArgumentSpec& definition = definitions[i];
            const qsizetype at = static_cast<qsizetype>(i);
            if (at >= written.size()) {
                if (definition.standsForOption || definition.optional)
                    continue; // the option is checked as an option
                return fail(prefix() + QStringLiteral("needs %1").arg(text(definition.name)));
            }
            if (written.at(at).isEmpty() && !definition.mayBeEmpty)
                return fail(prefix() + QStringLiteral("%1 is empty").arg(text(definition.name)));
            if (definition.kind == ValueKind::Id) {
                bool ok = false;
                if (written.at(at).toLongLong(&ok) < 1 || !ok)
                    return fail(prefix() + QStringLiteral("%1 takes a whole number from 1, not %2")
                                               .arg(text(definition.name), written.at(at)));
            }
            if (definition.standsForOption) {
                auto& slot = invocation_.options[static_cast<std::size_t>(definition.option)];
                if (slot)
                    return fail(prefix() + QStringLiteral("%1 and %2 are both given")
                                               .arg(text(definition.name),
                                                    spelling(optionSpec(definition.option))));
                slot = written.at(at);
                continue;
            }
            invocation_.arguments << written.at(at);
        }
        return takeMore(written.mid(static_cast<qsizetype>(definitions.size())));
    }

    // The words after the last argument's are more of it (FILE...), each checked as it is.
    bool takeMore(const QStringList& more)
    {
        for (const QString& word : more) {
            if (word.isEmpty())
                return fail(prefix() + QStringLiteral("%1 is empty")
                                           .arg(text(invocation_.command->arguments.back().name)));
            invocation_.arguments << word;
        }
        return true;
    }

    bool checkRequired()
    {
        if (!invocation_.command)
            return true;
        for (const CommandOption& option : invocation_.command->options) {
            if (option.required && !invocation_.has(option.option))
                return fail(prefix() +
                            QStringLiteral("needs %1").arg(withValue(optionSpec(option.option))));
        }
        return true;
    }

    bool fail(const QString& problem)
    {
        invocation_.usageError = problem;
        return false;
    }
    Invocation failed(const QString& problem)
    {
        fail(problem);
        return invocation_;
    }

    const QStringList& arguments_;
    std::vector<GivenOption> given_;
    QStringList words_;
    qsizetype consumed_ = 0;
    QString unknownOption_;
    QString tokenProblem_;
    bool missingSubcommand_ = false;
    Invocation invocation_;
};

// Help texts: a column of names and a column of explanations, wrapped under each other.
constexpr qsizetype kHelpWidth = 79;
constexpr qsizetype kNameColumn = 22;

void addWrapped(QString& help, const QString& indent, const QString& words)
{
    QString line = indent;
    bool lineHasWord = false;
    for (const QString& word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (lineHasWord && line.size() + 1 + word.size() > kHelpWidth) {
            help += line + QLatin1Char('\n');
            line = QString(indent.size(), QLatin1Char(' '));
            lineHasWord = false;
        }
        if (lineHasWord)
            line += QLatin1Char(' ');
        line += word;
        lineHasWord = true;
    }
    help += line + QLatin1Char('\n');
}

void addEntry(QString& help, const QString& name, const QString& explanation)
{
    QString indent = QStringLiteral("  ") + name;
    if (indent.size() + 2 > kNameColumn) {
        help += indent + QLatin1Char('\n');
        indent.clear();
    }
    addWrapped(help, indent.leftJustified(kNameColumn, QLatin1Char(' ')), explanation);
}

void addOptions(QString& help, std::span<const CommandOption> options)
{
    for (const CommandOption& option : options) {
        const OptionSpec& definition = optionSpec(option.option);
        QString explanation = text(option.help.empty() ? definition.help : option.help);
        if (option.repeatable)
            explanation += QStringLiteral("; may be given more than once");
        addEntry(help, withValue(definition), explanation);
    }
}

void addCommands(QString& help, const std::vector<const CommandSpec*>& commands)
{
    for (const CommandSpec* command : commands) {
        help += QStringLiteral("  ") + text(command->usage) + QLatin1Char('\n');
        addWrapped(help, QStringLiteral("      "), text(command->summary));
    }
}

} // namespace

Invocation parseInvocation(const QStringList& arguments)
{
    return Parser(arguments).parse();
}

QString usageText()
{
    const QString program = text(kProgramName);
    QString help = QStringLiteral("Usage: %1 [--demo] [--registry FILE] [--verbose]\n"
                                  "       %1 COMMAND [options]\n"
                                  "       %1 COMMAND --help\n"
                                  "       %1 help [COMMAND]\n"
                                  "\n")
                       .arg(program);
    addWrapped(help, QString(),
               QStringLiteral("Without a command the utility opens its windows; --demo first "
                              "builds demo games and setup files in a scratch folder and opens "
                              "the windows on them."));
    help += QStringLiteral("\nCommands:\n");
    std::vector<const CommandSpec*> commands;
    for (const CommandSpec& command : commandTable())
        commands.push_back(&command);
    addCommands(help, commands);
    help += QStringLiteral("\nThe game's store is found through --game-dir DIR, else the "
                           "registry file, else\nthe Wine prefix.\n\nOptions:\n");
    for (const OptionSpec& option : optionTable())
        addEntry(help, withValue(option), text(option.help));
    help += QStringLiteral("\nExit codes: 0 success, 1 the command refused or failed (nothing "
                           "changed), 2 wrong\nusage.\n");
    return help;
}

QString commandHelp(const CommandSpec& command)
{
    QString help = QStringLiteral("Usage: %1 %2\n\n").arg(text(kProgramName), text(command.usage));
    QString summary = text(command.summary);
    if (!summary.isEmpty())
        summary[0] = summary[0].toUpper();
    addWrapped(help, QString(), summary + QLatin1Char('.'));
    if (!command.arguments.empty()) {
        help += QStringLiteral("\nArguments:\n");
        for (const ArgumentSpec& argument : command.arguments)
            addEntry(help, text(argument.name), text(argument.help));
    }
    help += QStringLiteral("\nOptions:\n");
    addOptions(help, command.options);
    addOptions(help, everyCommandOptions());
    return help;
}

} // namespace tarvelin::cli

namespace tarvelin::cli
{

QString groupHelp(const QString& group)
{
    const std::vector<const CommandSpec*> commands = commandsUnder(group);
    if (commands.empty())
        return {};
    QString help = QStringLiteral("Usage: %1 %2 SUBCOMMAND [options]\n"
                                  "       %1 %2 SUBCOMMAND --help\n\nSubcommands:\n")
                       .arg(text(kProgramName), group);
    addCommands(help, commands);
    help += QStringLiteral("\nOptions of every command:\n");
    addOptions(help, everyCommandOptions());
    return help;
}

} // namespace tarvelin::cli
