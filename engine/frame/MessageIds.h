// Ids of the catalogue messages that vanecore prints.
#pragma once

namespace vane::msg {

inline constexpr int kBanner = 102;
inline constexpr int kOleInitFailed = 103;
inline constexpr int kSecurityInitFailed = 104;
inline constexpr int kNoPrinterName = 113;
inline constexpr int kNoDriverName = 114;
inline constexpr int kCannotRemovePrinter = 115;
inline constexpr int kCannotInstallPrinter = 116;
inline constexpr int kSuccess = 124;
inline constexpr int kFailure = 125;
inline constexpr int kMultipleInstances = 127;
// Marks that would point off their page, dropped (verbose).
inline constexpr int kLinkRectOffPage = 240;
inline constexpr int kLinkDestinationOffPage = 241;
inline constexpr int kBookmarkOffPage = 242;
inline constexpr int kLinkPageSizeUnknown = 243;
inline constexpr int kBookmarkPageSizeUnknown = 244;

}  // namespace vane::msg
