// The product banner: message 102 with name, version, notice and product.
#pragma once

namespace vane {

inline constexpr const char* kUtilityName = "Folivane utility";
inline constexpr const char* kVersion = "2.08";
inline constexpr const char* kNotice = "publishes word-processor documents as PDF and HTML -";

// Prints the banner.
void print_banner();
// The conversion commands' banner: a lone "\r\n" then the banner, unless silent.
void print_command_banner();

}  // namespace vane
