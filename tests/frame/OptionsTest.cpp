#include "frame/Options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vane {
namespace {

struct Argv {
    explicit Argv(std::vector<std::string> a) : args(std::move(a)) {
        for (std::string& s : args) ptrs.push_back(s.data());
        ptrs.push_back(nullptr);
    }
    int argc() const { return static_cast<int>(args.size()); }
    char** argv() { return ptrs.data(); }
    std::vector<std::string> args;
    std::vector<char*> ptrs;
};

TEST(GetOption, FindsOptionsAndValues) {
    struct Case {
        std::vector<std::string> args;
        char letter;
        bool valued;
        int expected;
        const char* value;  // expected value when present and valued
    } const cases[] = {
        {{"d2h", "-v"}, 'v', false, kOptionPresent, nullptr},
        {{"d2h", "-vx"}, 'v', false, kOptionPresent, nullptr},
        {{"d2h", "-x"}, 'v', false, kOptionAbsent, nullptr},
        {{"d2h", "-"}, '-', false, kOptionAbsent, nullptr},
        {{"d2h", "v"}, 'v', false, kOptionAbsent, nullptr},
        {{"d2h", "-V"}, 'v', false, kOptionAbsent, nullptr},
        {{"d2h"}, 'v', false, kOptionAbsent, nullptr},
        // Element 0 is never inspected.
        {{"-v"}, 'v', false, kOptionAbsent, nullptr},
        {{"d2h", "-d", "3", "doc.doc"}, 'd', true, kOptionPresent, "3"},
        // A value is never attached to the letter.
        {{"d2h", "-d3", "doc.doc"}, 'd', true, kOptionPresent, "doc.doc"},
        {{"d2h", "-d3"}, 'd', true, kOptionAbsent, nullptr},
        // -d directly followed by -k: d has no value, k is still found.
        {{"d2h", "-d", "-k", "x"}, 'd', true, kOptionAbsent, nullptr},
        {{"d2h", "-d", "-k", "x"}, 'k', true, kOptionPresent, "x"},
        // The first occurrence wins, even when it has no value.
        {{"d2h", "-d", "1", "-d", "2"}, 'd', true, kOptionPresent, "1"},
        {{"d2h", "-d", "-d", "2"}, 'd', true, kOptionAbsent, nullptr},
        // Values are normalised.
        {{"d2h", "-t", "\t My\ttitle \r\n here \n"}, 't', true, kOptionPresent, "My title here"},
        // An operand that looks like an option is examined like one.
        {{"d2h", "-o", "-dir", "-d", "2"}, 'd', true, kOptionAbsent, nullptr},
    };
    for (const Case& c : cases) {
        Argv a(c.args);
        std::string trace;
        for (const std::string& s : c.args) trace += "[" + s + "]";
        SCOPED_TRACE(trace + " letter " + c.letter);
        EXPECT_EQ(get_option(c.letter, a.argc(), a.argv(), c.valued), c.expected);
        if (c.value != nullptr) {
            EXPECT_STREQ(option_value(), c.value);
        }
    }
}

TEST(GetOption, RefusesArgumentsLongerThan2047Characters) {
    const std::string fits(2047, 'a');
    const std::string tooLong(2048, 'a');
    {
        Argv a({"d2h", "-o", fits});
        ASSERT_EQ(get_option('o', a.argc(), a.argv(), true), kOptionPresent);
        EXPECT_EQ(std::string(option_value()), fits);
    }
    {
        Argv a({"d2h", "-o", tooLong});
        EXPECT_EQ(get_option('o', a.argc(), a.argv(), true), kOptionAbsent);
    }
    {
        Argv a({"d2h", "-o" + tooLong});
        EXPECT_EQ(get_option('o', a.argc(), a.argv(), false), kOptionAbsent);
    }
}

}  // namespace
}  // namespace vane
