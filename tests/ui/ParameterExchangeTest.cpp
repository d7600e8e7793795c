#include <gtest/gtest.h>

#include <climits>

#include "ParameterExchange.h"

namespace vane::desk {
namespace {

TEST(ParameterExchange, ReadsIntegersLikeTheDialog) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"200", true, 200},  {"  42", true, 42},
        {"12abc", true, 12}, {"-5", true, -5},
        {"+7", true, 7},     {"", false, 0},
        {"abc", false, 0},   {"-", false, 0},
        {" x1", false, 0},   {"99999999999", true, INT_MAX},
        {"0", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int value = -1234;
        EXPECT_EQ(read_dialog_integer(c.text, value), c.ok);
        if (c.ok) {
            EXPECT_EQ(value, c.value);
        }
    }
}

TEST(ParameterExchange, ReadsAllControls) {
    ParameterControls controls;
    controls.headingLevelIndex = 2;
    controls.headingLevelPdfIndex = 6;
    controls.indexWidthText = "1000";
    controls.internalLinks = false;
    controls.openBookmarks = false;
    controls.skipHeadingsText = "3";
    controls.useHome = false;
    controls.allHeadingsHtml = true;
    controls.crossReferences = true;
    CSetting parameters;
    EXPECT_TRUE(read_parameter_controls(controls, parameters).ok());
    EXPECT_TRUE(parameters.AllHeadingsHtml);
    EXPECT_FALSE(parameters.AllHeadingsPdf);
    EXPECT_TRUE(parameters.CrossReferences);
    EXPECT_EQ(parameters.HeadingLevel, 2);
    EXPECT_EQ(parameters.HeadingLevelPdf, 6);
    EXPECT_EQ(parameters.IndexWidth, 1000);
    EXPECT_FALSE(parameters.InternalLinks);
    EXPECT_FALSE(parameters.OpenBookmarks);
    EXPECT_EQ(parameters.SkipHeadings, 3);
    EXPECT_FALSE(parameters.UseHome);
    // Written back, the controls show the same values.
    const ParameterControls shown = parameter_controls_for(parameters);
    EXPECT_EQ(shown.headingLevelIndex, 2);
    EXPECT_EQ(shown.indexWidthText, "1000");
    EXPECT_EQ(shown.skipHeadingsText, "3");
    EXPECT_FALSE(shown.useHome);
    EXPECT_TRUE(shown.allHeadingsHtml);
    EXPECT_FALSE(shown.allHeadingsPdf);
    EXPECT_TRUE(shown.crossReferences);
}

TEST(ParameterExchange, StopsAtTheFirstFailure) {
    struct Case {
        const char* name;
        const char* indexWidth;
        const char* skip;
        ExchangeError error;
        int control;
        int storedWidth;  // IndexWidth afterwards (default 200)
        bool linksRead;   // fields after IndexWidth were read
        int storedSkip;   // SkipHeadings afterwards (default 0)
        bool useHomeRead;
    };
    const Case cases[] = {
        {"width not a number", "abc", "4", ExchangeError::NotAnInteger, kIdIndexWidth, 200, false, 0, false},
        {"width empty", "", "4", ExchangeError::NotAnInteger, kIdIndexWidth, 200, false, 0, false},
        {"width too large", "1500", "4", ExchangeError::OutOfRange, kIdIndexWidth, 1500, false, 0, false},
        {"skip too large", "300", "1001", ExchangeError::OutOfRange, kIdSkipHeadings, 300, true, 1001, false},
        {"skip not a number", "300", "x", ExchangeError::NotAnInteger, kIdSkipHeadings, 300, true, 0, false},
        {"upper bounds", "1000", "1000", ExchangeError::None, 0, 1000, true, 1000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterControls controls;
        controls.headingLevelIndex = 1;
        controls.headingLevelPdfIndex = 1;
        controls.indexWidthText = c.indexWidth;
        controls.internalLinks = false;
        controls.skipHeadingsText = c.skip;
        controls.useHome = false;
        CSetting parameters;
        const ExchangeResult result = read_parameter_controls(controls, parameters);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.control, c.control);
        if (c.error == ExchangeError::OutOfRange) {
            EXPECT_EQ(result.minimum, 0);
            EXPECT_EQ(result.maximum, 1000);
        }
        EXPECT_EQ(parameters.HeadingLevel, 1);  // read before any failure
        EXPECT_EQ(parameters.IndexWidth, c.storedWidth);
        EXPECT_EQ(parameters.InternalLinks, !c.linksRead);
        EXPECT_EQ(parameters.SkipHeadings, c.storedSkip);
        EXPECT_EQ(parameters.UseHome, !c.useHomeRead);
    }
}

}  // namespace
}  // namespace vane::desk
