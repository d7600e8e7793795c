#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Actions.h"
#include "CCustomCommandLineInfo.h"
#include "MessageCatalog.h"
#include "Startup.h"

namespace vane::desk {
namespace {

struct Parsed {
    CCustomCommandLineInfo info;
    Action action;
};

Parsed parse(std::vector<const char*> parameters) {
    parameters.insert(parameters.begin(), "vanedesk");
    Parsed parsed;
    parsed.info.ParseCommandLine(static_cast<int>(parameters.size()), parameters.data());
    parsed.action = choose_action(parsed.info);
    return parsed;
}

TEST(CommandLine, Cases) {
    struct Case {
        std::vector<const char*> parameters;
        Action action;
        const char* document;
        const char* language;
    } const cases[] = {
        {{}, Action::Dialog, "", ""},
        {{"report.doc"}, Action::Dialog, "report.doc", ""},
        {{"-language", "FRENCH"}, Action::Dialog, "", "FRENCH"},
        {{"-language", "french"}, Action::Dialog, "", "french"},
        // Taken as the option and, being last without an action, as the document.
        {{"-language"}, Action::Dialog, "language", ""},
        {{"-language", "ENGLISH", "report.doc"}, Action::Dialog, "report.doc", "ENGLISH"},
        {{"report.doc", "-language", "ENGLISH"}, Action::Dialog, "", "ENGLISH"},
        {{"-language", "-install"}, Action::Dialog, "", "install"},
        {{"-language", "FRENCH", "-language", "ENGLISH"}, Action::Dialog, "", "ENGLISH"},
        {{"a.doc", "b.doc"}, Action::Dialog, "b.doc", ""},
        {{"-install", "a.doc"}, Action::Install, "", ""},
        {{"a.doc", "-install"}, Action::Install, "", ""},
        {{"-install", "-uninstall"}, Action::Install, "", ""},
        {{"-uninstall", "-install"}, Action::Install, "", ""},
        {{"/uninstall"}, Action::Uninstall, "", ""},
        {{"-checkwinword", "-checkghostscript"}, Action::CheckGhostscript, "", ""},
        {{"-checkwinword", "-checkdistiller"}, Action::CheckDistiller, "", ""},
        {{"-checkdistiller", "-checkghostscript"}, Action::CheckGhostscript, "", ""},
        {{"/checkwinword"}, Action::CheckWord, "", ""},
        {{"-checkwinword", "-language", "FRENCH"}, Action::CheckWord, "", "FRENCH"},
        // Option words are case-sensitive; an unknown word as the last parameter is the document.
        {{"/Install"}, Action::Dialog, "Install", ""},
        {{"-INSTALL", "x.doc"}, Action::Dialog, "x.doc", ""},
        {{"-verbose"}, Action::Dialog, "verbose", ""},
        {{"-"}, Action::Dialog, "", ""},
        // An absolute path is not a switch, unless it has a single "/" like an option.
        {{"/home/user/report.doc"}, Action::Dialog, "/home/user/report.doc", ""},
        {{"/home/user/report.doc", "-install"}, Action::Install, "", ""},
        {{"/report.doc"}, Action::Dialog, "report.doc", ""},
    };
    for (const Case& c : cases) {
        std::string trace;
        for (const char* p : c.parameters) trace += std::string(p) + " ";
        SCOPED_TRACE(trace);
        const Parsed parsed = parse(c.parameters);
        EXPECT_EQ(parsed.action, c.action);
        EXPECT_EQ(parsed.info.document, c.document);
        EXPECT_EQ(parsed.info.language, c.language);
    }
}

TEST(CommandLine, LanguagePendingAtTheEnd) {
    const Parsed parsed = parse({"x.doc", "-language"});
    EXPECT_TRUE(parsed.info.languagePending);
    EXPECT_EQ(parsed.info.language, "");
}

TEST(CommandLine, LanguageChoice) {
    struct Case {
        const char* environment;  // LANGUAGE
        std::vector<const char*> parameters;
        catalog::Language expected;
    } const cases[] = {
        {"en_US", {"-language", "FRENCH"}, catalog::Language::French},
        {"en_US", {"-language", "french"}, catalog::Language::English},
        {"en_US", {"-language"}, catalog::Language::English},
        {"fr_FR", {"-language", "ENGLISH"}, catalog::Language::English},
        {"fr_FR", {"-language", "English"}, catalog::Language::French},
        {"fr_CA:en", {}, catalog::Language::French},
        {"de_DE", {}, catalog::Language::English},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.environment);
        ::setenv("LANGUAGE", c.environment, 1);
        std::vector<const char*> argv = c.parameters;
        argv.insert(argv.begin(), "vanedesk");
        const StartupChoice choice = begin_startup(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(choice.language, c.expected);
        EXPECT_EQ(catalog::current_language(), c.expected);
    }
    ::unsetenv("LANGUAGE");
    catalog::set_current_language(catalog::Language::English);
}

}  // namespace
}  // namespace vane::desk
