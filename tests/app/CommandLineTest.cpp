#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/CommandLine.h"

namespace {

Command parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "smeltrun");
    return parseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLine, NoArgumentsPlays) {
    EXPECT_EQ(parse({}), Command::Play);
    EXPECT_EQ(parseCommandLine(0, nullptr), Command::Play);
}

TEST(CommandLine, HelpAndVersionStandAlone) {
    EXPECT_EQ(parse({"--help"}), Command::Help);
    EXPECT_EQ(parse({"--version"}), Command::Version);
    EXPECT_EQ(parse({"--help", "--version"}), Command::Misuse);
    EXPECT_EQ(parse({"--version", "extra"}), Command::Misuse);
}

TEST(CommandLine, ReplayTakesExactlyOneFile) {
    EXPECT_EQ(parse({"--replay", "best.replay"}), Command::Replay);
    EXPECT_EQ(parse({"--replay"}), Command::Misuse);
    EXPECT_EQ(parse({"--replay", "a", "b"}), Command::Misuse);
}

TEST(CommandLine, AnythingElseIsMisuse) {
    for (const char* argument : {"", "-h", "--HELP", "--versio", "help"}) {
        EXPECT_EQ(parse({argument}), Command::Misuse) << argument;
    }
}

struct Answer {
    int status;
    std::string out;
    std::string error;
};

Answer answer(Command command) {
    std::ostringstream out, error;
    const int status = answerCommand(command, out, error);
    return {status, out.str(), error.str()};
}

TEST(CommandLine, HelpPrintsTheUsageAndSucceeds) {
    const Answer help = answer(Command::Help);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: smeltrun", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--version"), std::string::npos);
    EXPECT_EQ(help.error, "");
}

TEST(CommandLine, MisusePrintsTheUsageAsAnErrorWithStatusTwo) {
    const Answer misuse = answer(Command::Misuse);
    EXPECT_EQ(misuse.status, 2);
    EXPECT_EQ(misuse.out, "");
    EXPECT_EQ(misuse.error, answer(Command::Help).out);
}

}  // namespace
