// A private user profile for one office process: a fresh directory under the
// temporary directory with a generic PostScript printer as the default
// printer. Destroying it removes the directory and everything in it.
#pragma once

#include <string>

namespace vane {

class OfficeProfile {
public:
    // Creates the directory and its printer configuration; throws
    // std::runtime_error when that fails.
    OfficeProfile();
    OfficeProfile(const OfficeProfile&) = delete;
    OfficeProfile& operator=(const OfficeProfile&) = delete;
    ~OfficeProfile();

    const std::string& path() const { return path_; }
    // The profile as the office's -env:UserInstallation wants it (file URL).
    std::string url() const;
    // A name unique to this profile, usable as a pipe name.
    const std::string& pipeName() const { return pipeName_; }

private:
    std::string path_;
    std::string pipeName_;
};

}  // namespace vane
