#include "word/office/OfficeProfile.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>

#include "word/office/FileUrl.h"

namespace vane {

namespace {

// The office prints through this printer; PSLevel 0 would make it write PDF.
constexpr const char* kPrinterConfig =
    "[__Global_Printer_Defaults__]\n"
    "\n"
    "[Generic Printer]\n"
    "Printer=SGENPRT/Generic Printer\n"
    "DefaultPrinter=1\n"
    "Location=\n"
    "Comment=\n"
    "Command=\n"
    "QuickCommand=\n"
    "Features=\n"
    "Copies=1\n"
    "Orientation=Portrait\n"
    "PSLevel=2\n"
    "PDFDevice=0\n"
    "ColorDevice=0\n"
    "ColorDepth=24\n";

std::string random_suffix() {
    std::random_device device;
    std::mt19937_64 generator(
        device() ^ static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string text;
    for (int i = 0; i < 12; ++i) text += kDigits[generator() % 36];
    return text;
}

}  // namespace

OfficeProfile::OfficeProfile() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error) throw std::runtime_error("no temporary directory");
    for (int attempt = 0; attempt < 20 && path_.empty(); ++attempt) {
        const std::string suffix = random_suffix();
        const fs::path candidate = base / ("vane-office-" + suffix);
        if (fs::create_directory(candidate, error) && !error) {
            path_ = candidate.string();
            pipeName_ = "vane_office_" + suffix;
        }
    }
    if (path_.empty()) throw std::runtime_error("cannot create the office profile directory");
    fs::permissions(path_, fs::perms::owner_all, error);

    const fs::path printerDir = fs::path(path_) / "user" / "psprint";
    fs::create_directories(printerDir, error);
    std::ofstream config(printerDir / "psprint.conf", std::ios::binary);
    config << kPrinterConfig;
    config.close();
    if (error || !config) {
        fs::remove_all(path_, error);
        throw std::runtime_error("cannot write the office profile");
    }
}

OfficeProfile::~OfficeProfile() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

std::string OfficeProfile::url() const {
    return file_url(path_);
}

}  // namespace vane
