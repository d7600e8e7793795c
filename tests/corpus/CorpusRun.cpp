#include "CorpusRun.h"

#include <chrono>
#include <exception>
#include <filesystem>
#include <set>
#include <utility>

#include "E2eRun.h"
#include "PdfReadBack.h"
#include "SiteCheck.h"
#include "UrlOverlap.h"

namespace vane::test {
namespace {

namespace fs = std::filesystem;

// Limit of one command; a hang ends as status 124.
constexpr const char* kTimeout = "timeout -k 10 900 ";
constexpr std::size_t kShown = 3;  // offenders quoted per failed check

std::string last_line(const std::string& out) {
    std::size_t end = out.find_last_not_of(" \r\n\t");
    if (end == std::string::npos) return {};
    const std::size_t start = out.find_last_of('\n', end);
    return out.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1) + 1);
}

std::string first_few(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size() && i < kShown; ++i) out += (i ? "; " : "") + items[i];
    if (items.size() > kShown) out += "; ...";
    return out;
}

std::string stage(const std::string& source, const std::string& dir) {
    fs::create_directories(dir);
    const std::string copy = dir + "/" + fs::path(source).filename().string();
    fs::copy_file(source, copy, fs::copy_options::overwrite_existing);
    return copy;
}

}  // namespace

CorpusRun::CorpusRun(std::string vane, std::string queue) : vane_(std::move(vane)), queue_(std::move(queue)) {}

CorpusRun::Command CorpusRun::shell(const std::string& command) const {
    const auto start = std::chrono::steady_clock::now();
    const ShellRun r = test::shell(command);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return {r.status, r.out, took.count()};
}

void CorpusRun::checkCleanFailure(const std::string& name, const Command& c, CorpusRow& row) {
    if (c.status == 1 && !last_line(c.out).empty()) return;
    row.failures.push_back(name + ": the office cannot open the document, and the command ended with status " +
                           std::to_string(c.status) + " instead of 1 and its error line (" + last_line(c.out) + ")");
}

CorpusRow CorpusRun::run(const std::string& document) {
    CorpusRow row;
    row.document = document;
    const std::string source = shared_dir() + "/corpus/" + document;
    const std::string dir = work_.file(std::to_string(++serial_));
    const std::string stem = fs::path(source).stem().string();

    // The office's own export: whether it opens the document at all, and its links.
    const std::string officeCopy = stage(source, dir + "/office");
    shell(std::string(kTimeout) + "soffice -env:UserInstallation=file://" + work_.file("profile") +
          " --headless --norestore --nolockcheck --convert-to pdf:writer_pdf_Export --outdir " +
          quoted(dir + "/office") + " " + quoted(officeCopy));
    const std::string officePdf = dir + "/office/" + stem + ".pdf";
    row.officeOpens = fs::is_regular_file(officePdf);

    const std::string host = "LANGUAGE= LC_ALL= LANG=C " + std::string(kTimeout) + vane_;
    const std::string pdf = dir + "/pdf/" + stem + ".pdf";
    const std::string pdfCopy = stage(source, dir + "/pdf");
    const Command d2p = shell(host + " d2p -p " + queue_ + " -o " + quoted(pdf) + " " + quoted(pdfCopy));
    const std::string siteCopy = stage(source, dir + "/site");
    const Command d2h = shell("cd " + quoted(dir + "/site") + " && " + host + " d2h " +
                              quoted(fs::path(siteCopy).filename().string()));
    row.seconds = d2p.seconds + d2h.seconds;

    if (!row.officeOpens) {
        checkCleanFailure("d2p", d2p, row);
        checkCleanFailure("d2h", d2h, row);
    } else {
        if (d2p.status != 0 || !fs::is_regular_file(pdf))
            row.failures.push_back("d2p: status " + std::to_string(d2p.status) + ": " + last_line(d2p.out));
        else
            checkD2p(pdf, officePdf, row);
        if (d2h.status != 0)
            row.failures.push_back("d2h: status " + std::to_string(d2h.status) + ": " + last_line(d2h.out));
        else
            checkD2h(dir + "/site/" + stem, stem, row);
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
    return row;
}

void CorpusRun::checkD2p(const std::string& pdf, const std::string& officePdf, CorpusRow& row) {
    PdfReadBack ours, office;
    try {
        ours = read_marks(pdf);
        // With its text: links over no text (pictures) are told apart.
        office = read_back(officePdf, officePdf + ".unrotated.pdf");
    } catch (const std::exception& e) {
        row.failures.push_back(std::string("d2p: the PDF cannot be read back: ") + e.what());
        return;
    }
    row.pages = static_cast<int>(ours.pages.size());
    row.outline = static_cast<int>(ours.outline.size());
    row.linksOurs = static_cast<int>(ours.links.size());
    row.linksOffice = static_cast<int>(office.links.size());

    std::vector<std::string> off;
    for (const OffPageMark& mark : off_page_marks(ours)) off.push_back(describe(mark));
    if (!off.empty())
        row.failures.push_back("off page: " + std::to_string(off.size()) + " (" + first_few(off) + ")");
    const UrlOverlap overlap = url_overlap(ours, office);
    if (!overlap.passes())
        row.failures.push_back("URL overlap: " + std::to_string(overlap.agreeing) + " of " +
                               std::to_string(overlap.pairs) + " links agree with the office (" +
                               first_few(overlap.misses) + ")");
}

void CorpusRun::checkD2h(const std::string& siteDir, const std::string& baseName, CorpusRow& row) {
    if (!fs::is_directory(siteDir)) {
        row.failures.push_back("d2h: no site folder " + fs::path(siteDir).filename().string());
        return;
    }
    const SiteReport site = check_site(siteDir, baseName);
    std::set<std::string> unbalanced;  // a page may have several faults
    for (const std::string& fault : site.unbalanced) unbalanced.insert(fault.substr(0, fault.find(':')));
    row.sitePages = site.pages;
    row.brokenLinks = static_cast<int>(site.brokenLinks.size());
    row.unbalancedPages = static_cast<int>(unbalanced.size());
    if (site.pages == 0) row.failures.push_back("d2h: the site has no pages");
    if (!site.brokenLinks.empty())
        row.failures.push_back("site links: " + std::to_string(site.brokenLinks.size()) + " of " +
                               std::to_string(site.internalLinks) + " lead nowhere (" +
                               first_few(site.brokenLinks) + ")");
    if (!unbalanced.empty())
        row.failures.push_back("balance: " + std::to_string(unbalanced.size()) + " of " +
                               std::to_string(site.pages) + " pages (" + first_few(site.unbalanced) + ")");
}

}  // namespace vane::test
