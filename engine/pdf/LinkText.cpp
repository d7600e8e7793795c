#include "pdf/LinkText.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace vane {

namespace {

constexpr size_t kMaxScheme = 32;
constexpr size_t kMaxHost = 256;
constexpr size_t kMaxUser = 128;
constexpr size_t kMaxPassword = 128;
constexpr size_t kMaxPath = 2048;
constexpr size_t kMaxExtra = 2048;

bool all_digits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// user[:password]@host[:port]
bool valid_authority(std::string_view authority) {
    const auto at = authority.rfind('@');
    if (at != std::string_view::npos) {
        const std::string_view userInfo = authority.substr(0, at);
        const auto colon = userInfo.find(':');
        const std::string_view user = userInfo.substr(0, colon);
        const std::string_view password =
            colon == std::string_view::npos ? std::string_view{} : userInfo.substr(colon + 1);
        if (user.size() > kMaxUser || password.size() > kMaxPassword) return false;
        authority = authority.substr(at + 1);
    }
    const auto colon = authority.find(':');
    const std::string_view host = authority.substr(0, colon);
    if (host.size() > kMaxHost) return false;
    if (colon != std::string_view::npos) {
        const std::string_view port = authority.substr(colon + 1);
        if (!all_digits(port) || port.size() > 5) return false;
    }
    return true;
}

}  // namespace

std::string ascii_lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

bool is_known_url(const std::string& address) {
    static constexpr std::array<std::string_view, 8> kSchemes = {"ftp",  "gopher", "http",   "https",
                                                                 "file", "news",   "mailto", "socks"};
    const auto colon = address.find(':');
    if (colon == std::string::npos || colon > kMaxScheme) return false;
    const std::string scheme = ascii_lower(address.substr(0, colon));
    if (std::find(kSchemes.begin(), kSchemes.end(), scheme) == kSchemes.end()) return false;

    std::string_view rest = std::string_view(address).substr(colon + 1);
    const bool slashes = rest.substr(0, 2) == "//";
    if (scheme == "mailto" && slashes) return false;

    // The extra part starts at the first '#' or '?'.
    const auto extraAt = rest.find_first_of("#?");
    if (extraAt != std::string_view::npos) {
        if (rest.size() - extraAt > kMaxExtra) return false;
        rest = rest.substr(0, extraAt);
    }
    std::string_view authority;
    std::string_view path = rest;
    if (slashes) {
        rest = rest.substr(2);
        const auto slash = rest.find('/');
        authority = rest.substr(0, slash);
        path = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash);
    } else if (scheme == "mailto") {
        // mailto:user@host
        authority = rest;
        path = {};
    }
    return path.size() <= kMaxPath && valid_authority(authority);
}

std::string postscript_string(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '(' || c == ')') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte > 0x7E) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", static_cast<unsigned>(byte));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace vane
