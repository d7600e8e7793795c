#include <gtest/gtest.h>

#include "platform/posix/CupsSpooler.h"

namespace vane {
namespace {

TEST(CupsSpooler, PortsBecomeDeviceUris) {
    struct Case {
        const char* port;
        const char* uri;
    } const cases[] = {
        {"FILE:", "file:/dev/null"},
        {"file:", ""},
        {"LPT1:", ""},
        {"", ""},
        {"socket://10.0.0.5:9100", "socket://10.0.0.5:9100"},
        {"file:/tmp/out.ps", "file:/tmp/out.ps"},
        {"://x", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        EXPECT_EQ(device_uri_for_port(c.port), c.uri);
    }
}

TEST(CupsSpooler, QueueNamesThatCupsRefuses) {
    struct Case {
        std::string name;
        bool valid;
    } const cases[] = {
        {"Folivane", true},
        {"Folivane_2-x.y@z", true},
        {"", false},
        {"Acrobat Distiller", false},
        {"a/b", false},
        {"a\\b", false},
        {"a?b", false},
        {"a#b", false},
        {"a'b", false},
        {"a\"b", false},
        {"a\tb", false},
        {"a\x7f", false},
        {std::string(127, 'x'), true},
        {std::string(128, 'x'), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(valid_queue_name(c.name), c.valid);
    }
}

}  // namespace
}  // namespace vane
