// Publishes documents with the real office for the end-to-end page checks:
// `vane d2p` through a CUPS queue of its own, and the office's own PDF export
// of the same document as the reference for page sizes.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "E2eRun.h"
#include "PdfReadBack.h"
#include "TempDir.h"

namespace vane::test {

#ifdef VANE_EXE
class OfficePublisher {
public:
    struct Result {
        int status = -1;
        std::string log;        // d2p's output (verbose)
        std::string pdf;        // our PDF, empty when it was not written
        std::string officePdf;  // the office's export, empty when it failed
    };

    // Empty when the office, the scheduler and the queue are ready; else why not.
    std::string start() {
        if (vane("check_winword").status == 0) return "no word processor: `vane check_winword` returned 0";
        if (shell("lpstat -r").out.find("scheduler is running") == std::string::npos)
            return "cupsd is not running: run tests/printer/start-cupsd.sh as root";
        queue_ = "FolivanePages_" + std::to_string(::getpid());
        const ShellRun install = vane("install_printer -p " + queue_ + " -d 'Generic PostScript Printer'");
        if (install.status != 0) {
            queue_.clear();
            return install.out;
        }
        return {};
    }
    ~OfficePublisher() {
        if (!queue_.empty()) vane("uninstall_printer -p " + queue_);
    }

    // Copies `source` into the work folder as `stem` and publishes it, with
    // `office` also through the office's own export; `options` go before d2p's own.
    Result publish(const std::string& source, const std::string& stem, bool office = true,
                   const std::string& options = {}) {
        namespace fs = std::filesystem;
        Result r;
        const std::string document = work_.file(stem + fs::path(source).extension().string());
        fs::copy_file(source, document, fs::copy_options::overwrite_existing);
        const std::string pdf = work_.file(stem + ".pdf");
        const ShellRun run =
            vane("d2p -v " + options + " -p " + queue_ + " -o " + quoted(pdf) + " " + quoted(document));
        r.status = run.status;
        r.log = run.out;
        if (run.status == 0 && fs::exists(pdf)) r.pdf = pdf;
        if (!office) return r;
        const std::string out = work_.file("office-" + stem);
        shell("soffice -env:UserInstallation=file://" + work_.file("profile") +
              " --headless --convert-to pdf --outdir " + quoted(out) + " " + quoted(document));
        if (fs::exists(out + "/" + stem + ".pdf")) r.officePdf = out + "/" + stem + ".pdf";
        return r;
    }

private:
    TempDir work_;
    std::string queue_;
};
#endif

// A page's width and height as it is shown, its /Rotate applied.
inline std::pair<double, double> shown_size(const PdfPage& page) {
    const bool turned = page.rotate == 90 || page.rotate == 270;
    return turned ? std::pair{page.height, page.width} : std::pair{page.width, page.height};
}

}  // namespace vane::test
