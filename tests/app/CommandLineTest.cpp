#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/CommandLine.h"

namespace {

CommandLine parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "smeltrun");
    return parseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLine, NoArgumentsPlays) {
    EXPECT_EQ(parse({}).command, Command::Play);
    EXPECT_EQ(parseCommandLine(0, nullptr).command, Command::Play);
}

TEST(CommandLine, HelpAndVersionStandAlone) {
    EXPECT_EQ(parse({"--help"}).command, Command::Help);
    EXPECT_EQ(parse({"-h"}).command, Command::Help);
    EXPECT_EQ(parse({"--version"}).command, Command::Version);
    EXPECT_EQ(parse({"--help", "--version"}).misuse, "unexpected argument '--version'");
    EXPECT_EQ(parse({"--version", "extra"}).misuse, "unexpected argument 'extra'");
}

TEST(CommandLine, ReplayAndVerifyTakeExactlyOneFile) {
    const CommandLine replay = parse({"--replay", "best.replay"});
    EXPECT_EQ(replay.command, Command::Replay);
    EXPECT_EQ(replay.operand, "best.replay");
    EXPECT_EQ(parse({"--replay"}).misuse, "option '--replay' needs a FILE");
    EXPECT_EQ(parse({"--replay", "a", "b"}).misuse, "unexpected argument 'b'");
    EXPECT_EQ(parse({"--verify", "best.replay"}).command, Command::Verify);
    EXPECT_EQ(parse({"--verify"}).misuse, "option '--verify' needs a FILE");
}

TEST(CommandLine, ALevelMayStartAtACheckpointCountedFromOne) {
    const CommandLine level = parse({"--level", "mine", "--checkpoint", "2"});
    EXPECT_EQ(level.command, Command::Level);
    EXPECT_EQ(level.operand, "mine");
    EXPECT_EQ(level.checkpoint, 2);
    EXPECT_EQ(parse({"--level", "mine"}).checkpoint, 0) << "from the level's start";
    EXPECT_EQ(parse({"--level", "mine", "--checkpoint"}).misuse,
              "option '--checkpoint' needs an N");
    for (const char* number : {"0", "-1", "2x", "", "99999999999"}) {
        EXPECT_EQ(
            parse({"--level", "mine", "--checkpoint", number}).misuse,
            std::string("option '--checkpoint' needs a whole number from 1, not '") + number + "'");
    }
    EXPECT_EQ(parse({"--level", "mine", "--checkpoint", "1", "x"}).misuse,
              "unexpected argument 'x'");
    EXPECT_EQ(parse({"--checkpoint", "1"}).misuse, "unknown option '--checkpoint'");
}

TEST(CommandLine, CheckTakesExactlyOneLevelAndTheHelpTellsIt) {
    const CommandLine check = parse({"--check", "levels/mine.toml"});
    EXPECT_EQ(check.command, Command::Check);
    EXPECT_EQ(check.operand, "levels/mine.toml");
    EXPECT_EQ(parse({"--check"}).misuse, "option '--check' needs a NAME or FILE");
    EXPECT_EQ(parse({"--check", "a", "b"}).misuse, "unexpected argument 'b'");
    std::ostringstream out, error;
    answerCommand(parse({"--help"}), out, error);
    EXPECT_NE(out.str().find("--check NAME|FILE"), std::string::npos) << out.str();
}

TEST(CommandLine, EditTakesExactlyOneNameOrFile) {
    const CommandLine edit = parse({"--edit", "mine"});
    EXPECT_EQ(edit.command, Command::Edit);
    EXPECT_EQ(edit.operand, "mine");
    EXPECT_EQ(parse({"--edit"}).misuse, "option '--edit' needs a NAME or FILE");
    EXPECT_EQ(parse({"--edit", "a", "b"}).misuse, "unexpected argument 'b'");
}

TEST(CommandLine, AnythingElseIsMisuseThatNamesTheArgument) {
    for (const char* argument : {"", "-x", "--HELP", "--versio", "help"}) {
        const CommandLine line = parse({argument});
        EXPECT_EQ(line.command, Command::Misuse) << argument;
        EXPECT_EQ(line.misuse, std::string("unknown option '") + argument + "'");
    }
}

struct Answer {
    int status;
    std::string out;
    std::string error;
};

Answer answer(const CommandLine& line) {
    std::ostringstream out, error;
    const int status = answerCommand(line, out, error);
    return {status, out.str(), error.str()};
}

TEST(CommandLine, HelpPrintsTheUsageAndSucceeds) {
    const Answer help = answer(parse({"--help"}));
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: smeltrun", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--version"), std::string::npos);
    EXPECT_EQ(help.error, "");
}

TEST(CommandLine, MisuseNamesTheArgumentThenPrintsTheUsageAsAnErrorWithStatusTwo) {
    const Answer misuse = answer(parse({"--foo"}));
    EXPECT_EQ(misuse.status, 2);
    EXPECT_EQ(misuse.out, "");
    EXPECT_EQ(misuse.error, "smeltrun: unknown option '--foo'\n" + answer(parse({"-h"})).out);
}

// An argument can hold anything a shell passes: what would steer the terminal is shown escaped.
TEST(CommandLine, MisuseShowsTheArgumentsControlCharactersEscaped) {
    const Answer misuse = answer(parse({"--x\x1b]0;title\x07"}));
    EXPECT_EQ(misuse.error.substr(0, misuse.error.find('\n')),
              "smeltrun: unknown option '--x\\x1b]0;title\\x07'");
}

}  // namespace
