// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page as man renders it and the bash, zsh and fish completions as those shells run
// them, all written from the command table; and the built program's word on where its help pages
// are.
#include "clidocs/BashCompletion.h"
#include "clidocs/FishCompletion.h"
#include "clidocs/ManPage.h"
#include "clidocs/ZshCompletion.h"
#include "core/cli/CommandTable.h"
#include "support/FileTree.h"
#include "support/ProgramRun.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <set>

namespace
{

namespace cli = tarvelin::cli;

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

using fixture::Ran;
using fixture::runProgram;

// The page as man shows it, on lines long enough that nothing is wrapped or hyphenated.
Ran renderedManPage()
{
    const std::string page = cli::manPage("6.2.2", "2026-12-07");
    return runProgram(QStringLiteral("groff"), {"-man", "-Tutf8", "-ww", "-rLL=400n", "-P-cbou"},
                      {.input = QByteArray::fromStdString(page)});
}

TEST(ManPage, RendersWithoutWarningsAndListsEveryCommandAndOption)
{
    const Ran rendered = renderedManPage();
    ASSERT_EQ(rendered.exitCode, 0) << rendered.err.toStdString();
    EXPECT_EQ(rendered.err.toStdString(), "") << "groff warns about the markup";
    const QString page = rendered.out;
    const QString flat = page.simplified();

    // Every command under COMMANDS, in the table's order, with its usage as the parser takes it
    // (plain hyphens, so that a reader's search for an option finds it), its summary and each of
    // its arguments and own options.
    const qsizetype commands = page.indexOf(QStringLiteral("\nCOMMANDS\n"));
    const qsizetype options = page.indexOf(QStringLiteral("\nOPTIONS\n"));
    ASSERT_GT(commands, 0);
    ASSERT_GT(options, commands);
    qsizetype previous = commands;
    const auto table = cli::commandTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const cli::CommandSpec& command = table[i];
        SCOPED_TRACE(std::string(command.name));
        const qsizetype at = page.indexOf(
            QStringLiteral("\n       ") + text(command.usage) + QLatin1Char('\n'), previous);
        ASSERT_GT(at, previous) << "usage line missing or out of order";
        const qsizetype end = i + 1 < table.size()
                                  ? page.indexOf(QStringLiteral("\n       ") +
                                                     text(table[i + 1].usage) + QLatin1Char('\n'),
                                                 at)
                                  : options;
        ASSERT_GT(end, at);
        const QString section = page.mid(at, end - at).simplified();
        EXPECT_TRUE(section.contains(text(command.summary).mid(1))) << section.toStdString();
        for (const cli::ArgumentSpec& argument : command.arguments)
            EXPECT_TRUE(section.contains(text(argument.name) + QLatin1Char(' ') +
                                         text(argument.help).left(1).toUpper()))
                << argument.name;
        for (const cli::CommandOption& option : command.options) {
            const cli::OptionSpec& definition = cli::optionSpec(option.option);
            QString written = QStringLiteral("--") + text(definition.name);
            if (!definition.valueName.empty())
                written += QLatin1Char(' ') + text(definition.valueName);
            EXPECT_TRUE(section.contains(written)) << written.toStdString();
            EXPECT_EQ(
                section.contains(
                    written + QLatin1Char(' ') +
                    text(option.help.empty() ? definition.help : option.help).left(1).toUpper()),
                true)
                << "the command's own help of " << written.toStdString();
        }
        previous = at;
    }

    // Every option under OPTIONS, with the commands that take it.
    const QString optionPart = page.mid(options).simplified();
    for (const cli::OptionSpec& option : cli::optionTable())
        EXPECT_TRUE(optionPart.contains(QStringLiteral("--") + text(option.name))) << option.name;
    EXPECT_TRUE(optionPart.contains(QStringLiteral("--help, -h")));
    EXPECT_TRUE(optionPart.contains(
        QStringLiteral("--delete Delete the setup file once it is in the store. Taken by import.")))
        << optionPart.toStdString();
    EXPECT_TRUE(optionPart.contains(
        QStringLiteral("--to DIR The folder to write into. Taken by export and store-export.")));
    EXPECT_TRUE(optionPart.contains(
        QStringLiteral("Taken by the program without a command and every command.")));
    // Every folder the program uses, by its variable and its default.
    const QString environment = flat.section(QStringLiteral(" ENVIRONMENT "), 1);
    for (const char* folder :
         {"XDG_CONFIG_HOME Holds tarvelin-setup-utility/registry.reg",
          "XDG_STATE_HOME Holds the backup history under tarvelin-setup-utility/history",
          "XDG_CACHE_HOME Holds the windows' drawn pictures under tarvelin-setup-utility/pictures",
          "XDG_DATA_HOME Holds the demo's games under tarvelin-setup-utility/demo",
          "~/.local/state/tarvelin-setup-utility/history/",
          "~/.cache/tarvelin-setup-utility/pictures/",
          "~/.local/share/tarvelin-setup-utility/demo/",
          "~/.config/tarvelin-setup-utility/registry.reg"})
        EXPECT_TRUE(environment.contains(QLatin1String(folder))) << folder;
    // Each command's own --json fields.
    const QString json = flat.section(QStringLiteral(" JSON OUTPUT "), 1)
                             .section(QStringLiteral(" EXIT STATUS "), 0, 0);
    for (const cli::CommandSpec& command : cli::commandTable()) {
        if (!command.jsonFields.empty()) {
            EXPECT_TRUE(json.contains(text(command.name) + QStringLiteral(" \u201c") +
                                      text(command.jsonFields).section(QLatin1Char(':'), 0, 0)))
                << command.name;
        }
    }
    for (const char* heading :
         {"NAME", "SYNOPSIS", "DESCRIPTION", "JSON OUTPUT", "EXIT STATUS", "ENVIRONMENT", "FILES"})
        EXPECT_TRUE(page.contains(QStringLiteral("\n%1\n").arg(QLatin1String(heading)))) << heading;
    EXPECT_TRUE(flat.contains(QStringLiteral("tarvelin-setup-utility 6.2.2 2026-12-07")));
    EXPECT_FALSE(page.contains(QChar(0x2212))) << "an option's dash set as a minus sign";
    EXPECT_FALSE(page.contains(QChar(0x2010))) << "an option's dash set as a hyphen";

    // Some man setups print a bare "-" as a hyphen, which a search for "--game" does not find:
    // every dash of the markup is written "\-".
    const QString markup = QString::fromStdString(cli::manPage("6.2.2", "2026-12-07"));
    for (const QString& line : markup.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String(".\\\"")))
            continue; // a comment
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line.at(i) == QLatin1Char('-')) {
                EXPECT_TRUE(i > 0 && line.at(i - 1) == QLatin1Char('\\')) << line.toStdString();
            }
        }
    }
}

// Bash runs the completion script as it would on a <Tab>, in a folder with one setup file and
// one folder.
class Completion : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        script = folder.filePath(QStringLiteral("completion.bash"));
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(cli::bashCompletion()));
        file.close();
        work = fixture::makeFolder(folder.path(), QStringLiteral("work"));
        fixture::makeFolder(work, QStringLiteral("setups"));
        QFile setup(work + QStringLiteral("/fast.set"));
        ASSERT_TRUE(setup.open(QIODevice::WriteOnly));
    }

    // The words offered for the line; its last word is the one being completed. bash splits
    // "--game=d" into "--game", "=", "d", as these lines do.
    std::set<std::string> complete(const QStringList& line)
    {
        const QString driver = QStringLiteral(
            "source \"$1\" || exit 3; shift; COMP_WORDS=(tarvelin-setup-utility \"$@\"); "
            "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
            "_tarvelin_setup_utility tarvelin-setup-utility \"${COMP_WORDS[COMP_CWORD]}\" "
            "\"${COMP_WORDS[COMP_CWORD-1]}\" || exit 4; "
            "for word in \"${COMPREPLY[@]}\"; do printf '%s\\n' \"$word\"; done");
        const Ran ran =
            runProgram(QStringLiteral("bash"), QStringList{"-c", driver, "bash", script} + line,
                       {.folder = work});
        EXPECT_EQ(ran.exitCode, 0) << line.join(' ').toStdString() << ran.err.toStdString();
        EXPECT_EQ(ran.err.toStdString(), "") << line.join(' ').toStdString();
        std::set<std::string> words;
        for (const QString& word : ran.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            words.insert(word.toStdString());
        return words;
    }

    QTemporaryDir folder;
    QString script;
    QString work;
};

using Words = std::set<std::string>;

TEST_F(Completion, CommandsAndTheirSecondWords)
{
    Words all;
    for (const cli::CommandSpec& command : cli::commandTable())
        all.insert(std::string(command.name.substr(0, command.name.find(' '))));
    EXPECT_EQ(complete({""}), all);
    EXPECT_EQ(complete({"exp"}), Words{"export"});
    EXPECT_EQ(complete({"store-"}), (Words{"store-export", "store-import"}));
    EXPECT_EQ(complete({"--game", "dtr", "exp"}), Words{"export"}) << "options before a command";
    EXPECT_EQ(complete({"--game=dtr", "exp"}), Words{"export"});
    EXPECT_EQ(complete({"registry", ""}), (Words{"get", "set", "delete", "import-wine"}));
    EXPECT_EQ(complete({"registry", "im"}), Words{"import-wine"});
    EXPECT_EQ(complete({"--verbose", "registry", "--dry-run", "d"}), Words{"delete"});
    EXPECT_EQ(complete({"nosuch", ""}), Words{});
    EXPECT_EQ(complete({"registry", "nosuch", "--"}), Words{});
}

TEST_F(Completion, EachCommandsOwnOptionsUntilGiven)
{
    EXPECT_EQ(complete({"--"}),
              (Words{"--demo", "--registry", "--verbose", "--help", "--version"}));
    EXPECT_EQ(complete({"list", "--"}), (Words{"--game", "--game-dir", "--wine-prefix", "--json",
                                               "--registry", "--verbose", "--help"}));
    EXPECT_EQ(complete({"-"}), (Words{"--demo", "--registry", "--verbose", "--help", "--version"}));
    EXPECT_EQ(complete({"list", "--game", "sc", "--j"}), Words{"--json"});
    EXPECT_EQ(complete({"list", "--game", "sc", "--g"}), Words{"--game-dir"}) << "--game is given";
    EXPECT_EQ(complete({"list", "--game", "=", "sc", "--g"}), Words{"--game-dir"});
    EXPECT_EQ(complete({"trash-file", "--"}),
              (Words{"--dry-run", "--json", "--registry", "--verbose", "--help"}));
    EXPECT_EQ(complete({"registry", "set", "K", "N", "V", "--d"}), (Words{"--dword", "--dry-run"}));
    EXPECT_EQ(complete({"import", "--d"}), (Words{"--delete", "--dry-run"}));
    EXPECT_EQ(complete({"export", "--d"}), Words{"--dry-run"}) << "export takes no --delete";
    // Nothing more to write but options: they are offered without a dash typed.
    EXPECT_EQ(complete({"delete", "--game", "dtr", "--slot", "1", ""}),
              (Words{"--game-dir", "--wine-prefix", "--dry-run", "--json", "--registry",
                     "--verbose", "--help"}));
    // An option a command takes more than once is offered again; another is not.
    EXPECT_EQ(complete({"export", "--slot", "1", "--s"}), Words{"--slot"});
    EXPECT_EQ(complete({"delete", "--slot", "1", "--s"}), Words{});
}

TEST_F(Completion, GamesFoldersAndFilesWhereTheyAreTaken)
{
    EXPECT_EQ(complete({"list", "--game", ""}), (Words{"dtr", "sc"}));
    EXPECT_EQ(complete({"list", "--game", "s"}), Words{"sc"});
    EXPECT_EQ(complete({"list", "--game", "="}), (Words{"dtr", "sc"}));
    EXPECT_EQ(complete({"list", "--game", "=", "d"}), Words{"dtr"});
    EXPECT_EQ(complete({"delete", "--slot", ""}), Words{});
    EXPECT_EQ(complete({"export", "--name", ""}), Words{});

    EXPECT_EQ(complete({"export", "--game", "dtr", "--to", ""}), Words{"setups"});
    EXPECT_EQ(complete({"store-export", "--to", "=", ""}), Words{"setups"});
    EXPECT_EQ(complete({"list", "--game-dir", "s"}), Words{"setups"});
    EXPECT_EQ(complete({"import", "--game", "dtr", ""}), (Words{"fast.set", "setups"}));
    EXPECT_EQ(complete({"import", "f"}), Words{"fast.set"});
    EXPECT_EQ(complete({"--registry", "f"}), Words{"fast.set"});
    EXPECT_EQ(complete({"rename-file", "--game", "dtr", "fast.set", ""}), Words{})
        << "the new name is typed";
    // export's older form: NAME, then the folder.
    EXPECT_EQ(complete({"export", "--slot", "1", "Oval", ""}), Words{"setups"});
    // After "--" every word is an argument, even one that begins with a dash.
    EXPECT_EQ(complete({"import", "--", "-"}), Words{});
    EXPECT_EQ(complete({"import", "--", "fa"}), Words{"fast.set"});
}

// zsh runs its completion function outside a completion widget: compadd, _describe, _files and
// compset stand in for zsh's own, offering what matches the word being completed as zsh would.
constexpr char kZshDriver[] = R"zsh(
offer() { local word; for word; do [[ $word == ${PREFIX}* ]] && print -r -- $word; done }
compadd() { while [[ $1 == -* && $1 != -- ]]; do shift; done; [[ $1 == -- ]] && shift; offer "$@" }
_describe() { shift 3; offer "${(@)${(@P)1}%%:*}" }
_files() { if [[ $1 == -/ ]]; then offer *(N/); else offer *(N); fi }
compset() { [[ $1 == -P ]] && PREFIX=${PREFIX#*=} }
script=$1; shift
words=(tarvelin-setup-utility "$@"); CURRENT=${#words}; PREFIX=${words[CURRENT]}
source $script
exit 0 # nothing offered is no failure; an error in the script is on standard error
)zsh";

// The same lines offer the same words in every shell, each completing from its own script. A
// shell that is not installed is checked by its script's text: every word of the table is in it.
TEST_F(Completion, ZshAndFishOfferWhatBashOffers)
{
    struct Case {
        QStringList line;
        Words offered;
        // zsh and fish keep "--to=DIR" as one word, and fish offers the whole word; bash splits
        // it at "=" (above).
        std::optional<Words> fishOffered = std::nullopt;
    };
    const std::vector<Case> cases = {
        {{"list", "--game=d"}, {"dtr"}, Words{"--game=dtr"}},
        {{"store-export", "--to=s"}, {"setups"}, Words{"--to=setups"}},
        {{"exp"}, {"export"}},
        {{"registry", ""}, {"get", "set", "delete", "import-wine"}},
        {{"help", "reg"}, {"registry"}},
        {{"--verbose", "registry", "--dry-run", "d"}, {"delete"}},
        {{"list", "--game", "sc", "--g"}, {"--game-dir"}},
        {{"trash-file", "--"}, {"--dry-run", "--json", "--registry", "--verbose", "--help"}},
        {{"import", "--d"}, {"--delete", "--dry-run"}},
        {{"list", "--game", ""}, {"dtr", "sc"}},
        {{"delete", "--slot", ""}, {}},
        {{"export", "--game", "dtr", "--to", ""}, {"setups"}},
        {{"import", "f"}, {"fast.set"}},
        {{"import", "fast.set", "--delete", "f"}, {"fast.set"}}, // FILE... takes more
        {{"export", "--slot", "1", "--s"}, {"--slot"}},
        {{"export", "--slot", "1", "Oval", ""}, {"setups"}},
        {{"nosuch", ""}, {}},
    };
    struct Shell {
        QString program;
        std::string script;
    };
    const std::vector<Shell> shells = {{QStringLiteral("zsh"), cli::zshCompletion()},
                                       {QStringLiteral("fish"), cli::fishCompletion()}};
    const QString zshDriver = folder.filePath(QStringLiteral("driver.zsh"));
    fixture::writeRawFile(zshDriver.toLocal8Bit(), kZshDriver);
    for (const Shell& shell : shells) {
        SCOPED_TRACE(shell.program.toStdString());
        const QString script = folder.filePath(QStringLiteral("completion.") + shell.program);
        fixture::writeRawFile(script.toLocal8Bit(), QByteArray::fromStdString(shell.script));
        if (QStandardPaths::findExecutable(shell.program).isEmpty()) {
            const QString written = QString::fromStdString(shell.script);
            for (const cli::CommandSpec& command : cli::commandTable())
                EXPECT_TRUE(written.contains(text(command.name))) << command.name;
            for (const cli::OptionSpec& option : cli::optionTable())
                EXPECT_TRUE(written.contains(QStringLiteral("--") + text(option.name)))
                    << option.name;
            continue;
        }
        for (const Case& c : cases) {
            SCOPED_TRACE(c.line.join(' ').toStdString());
            if (!c.fishOffered) {
                EXPECT_EQ(complete(c.line), c.offered) << "bash";
            }
            QStringList arguments;
            if (shell.program == QLatin1String("zsh")) {
                arguments = QStringList{"-f", zshDriver, script} + c.line;
            } else {
                // Written as typed: the table's words need no quotes, and fish would complete
                // the quotes too.
                arguments = {
                    "--no-config", "-c",
                    QStringLiteral("source '%1'; complete -C \"tarvelin-setup-utility %2\"")
                        .arg(script, c.line.join(' '))};
            }
            const Ran ran = runProgram(shell.program, arguments, {.folder = work});
            EXPECT_EQ(ran.exitCode, 0) << ran.err.toStdString();
            EXPECT_EQ(ran.err.toStdString(), "");
            Words words;
            for (const QString& line : ran.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
                // fish: "word<TAB>summary", and a folder as "setups/".
                QString word = line.section(QLatin1Char('\t'), 0, 0);
                if (word.endsWith(QLatin1Char('/')))
                    word.chop(1);
                words.insert(word.toStdString());
            }
            const bool fish = shell.program == QLatin1String("fish");
            EXPECT_EQ(words, fish && c.fishOffered ? *c.fishOffered : c.offered);
        }
    }
}

// The windows find their help as the program reports it, beside the built executable.
TEST(HelpPages, TheProgramsHelpNamesTheFolderItFound)
{
    const Ran help = runProgram(QStringLiteral(TARVELIN_CLI), {"--help"});
    ASSERT_EQ(help.exitCode, 0);
    const QString pages =
        QDir::cleanPath(QFileInfo(QStringLiteral(TARVELIN_CLI)).absolutePath() + "/data/help");
    ASSERT_TRUE(QFileInfo::exists(pages + QStringLiteral("/index.html")));
    EXPECT_TRUE(
        help.out.endsWith(QStringLiteral("\nThe windows' help pages are in %1.\n").arg(pages)))
        << help.out.right(200).toStdString();

    // A copy of the program with no help beside it, or installed, says so.
    QTemporaryDir prefix;
    const QString bin = fixture::makeFolder(prefix.path(), QStringLiteral("bin"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TARVELIN_CLI), bin + QStringLiteral("/program")));
    const Ran bare = runProgram(bin + QStringLiteral("/program"), {"--help"});
    EXPECT_TRUE(bare.out.endsWith(
        QStringLiteral("\nThe windows' help pages were not found beside the program.\n")));
    const QString installed =
        fixture::makeFolder(prefix.path(), QStringLiteral("share/tarvelin-setup-utility/help"));
    QFile index(installed + QStringLiteral("/index.html"));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.close();
    EXPECT_TRUE(runProgram(bin + QStringLiteral("/program"), {"--help"})
                    .out.endsWith(
                        QStringLiteral("help pages are in %1.\n").arg(QDir::cleanPath(installed))));
}

} // namespace
