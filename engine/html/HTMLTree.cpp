#include "html/HTMLTree.h"

#include <string_view>

#include "frame/File.h"
#include "frame/TextUtil.h"
#include "html/HtmlScan.h"
#include "html/SiteAssets.h"

namespace vane {

namespace {

constexpr std::string_view kQuotePlaceholder = "PM_$$REPLACE_QUOTE";

void replace_all(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// A title made safe for a single-quoted script string. Backslashes are
// doubled first so that a title such as "C:\Temp" shows as written and one
// ending in a backslash cannot swallow the closing quote.
std::string quoted(std::string title) {
    replace_all(title, "\\", "\\\\");
    replace_all(title, "'", kQuotePlaceholder);
    replace_all(title, kQuotePlaceholder, "\\'");
    return title;
}

bool is_marker(const std::string& title, std::string_view marker) {
    std::string upper = title;
    to_upper(upper);
    return upper == marker;
}

bool write_all(std::FILE* file, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}

}  // namespace

HTMLTree::HTMLTree() = default;
HTMLTree::~HTMLTree() = default;

bool HTMLTree::Build() {
    if (levels == nullptr || pages == nullptr || titles == nullptr) return false;
    if (levels->size() != pages->size() || levels->size() != titles->size()) return false;
    if (levels->empty()) return true;
    if (excludeMarkers && levels->size() >= 2) dropMarkedRanges();

    html::split_input_path(inputPath, directory_, baseName_);
    target_ = "main";
    if (!WriteAssets()) return false;

    indexPath_ = html::join_path(directory_, baseName_ + "_index.html");
    const std::size_t start = (!homePage && pages->size() >= 2) ? 1 : 0;
    startPage_ = html::file_name_of((*pages)[start]);
    rootTitle_ = (*titles)[0];
    return WriteIndex();
}

// Entry 0 always stays; a page titled FV_EXCLUDE (any case) starts a range
// left out, one titled FV_INCLUDE ends it, and the markers go too.
void HTMLTree::dropMarkedRanges() {
    std::vector<int> keptLevels{(*levels)[0]};
    std::vector<std::string> keptPages{(*pages)[0]};
    std::vector<std::string> keptTitles{(*titles)[0]};
    bool excluding = false;
    for (std::size_t i = 1; i < levels->size(); ++i) {
        if (is_marker((*titles)[i], "FV_EXCLUDE")) {
            excluding = true;
        } else if (is_marker((*titles)[i], "FV_INCLUDE")) {
            excluding = false;
        } else if (!excluding) {
            keptLevels.push_back((*levels)[i]);
            keptPages.push_back(std::move((*pages)[i]));
            keptTitles.push_back(std::move((*titles)[i]));
        }
    }
    *levels = std::move(keptLevels);
    *pages = std::move(keptPages);
    *titles = std::move(keptTitles);
}

// Depth of each entry: one deeper under a higher level number, the same for
// the same level, and for a lower level number the depth of the latest
// earlier entry of that level (the previous depth when there is none).
void HTMLTree::computeDepths() {
    const std::vector<int>& level = *levels;
    depths_.assign(level.size(), 0);
    for (std::size_t i = 1; i < level.size(); ++i) {
        if (level[i] > level[i - 1]) {
            depths_[i] = depths_[i - 1] + 1;
        } else if (level[i] == level[i - 1]) {
            depths_[i] = depths_[i - 1];
        } else {
            depths_[i] = depths_[i - 1];
            for (std::size_t j = i; j-- > 0;) {
                if (level[j] == level[i]) {
                    depths_[i] = depths_[j];
                    break;
                }
            }
        }
    }
}

bool HTMLTree::WriteAssets() {
    return write_site_assets(directory_, baseName_, styleSheetPath);
}

bool HTMLTree::WriteIndex() {
    File file = File::open(indexPath_.c_str(), "w");
    if (!file.isOpen()) return false;
    index_ = file.get();

    std::string head =
        "<html>\n"
        "<head>\n"
        "\t<link rel=\"StyleSheet\" href=\"dtree.css\" type=\"text/css\"></link>\n"
        "\t<link rel=\"StyleSheet\" href=\"" + baseName_ + ".css\" type=\"text/css\"></link>\n"
        "\t<script type=\"text/javascript\" src=\"dtree.js\"></script>\n"
        "</head>\n"
        "<script Language=\"javascript\">\n"
        "<!--\n";
    if (!startPage_.empty()) head += "window.parent.main.location.href='" + startPage_ + "';\n";
    head +=
        "-->\n"
        "</script>\n"
        "<body bgcolor=\"#F0F0F0\">\n"
        "<div class=\"index_body\">\n"
        "<script type=\"text/javascript\">\n"
        "<!--\n"
        "d = new dTree('d');\n";
    const std::string rootLink = homePage ? html::file_name_of((*pages)[0]) : std::string();
    const std::string rootTitle = quoted(rootTitle_);
    head += "d.add(0,-1,'" + rootTitle;
    if (!rootLink.empty()) head += "','" + rootLink + "','" + rootTitle + "'" + ",'" + target_;
    head += "');\n";
    if (!write_all(index_, head)) {
        index_ = nullptr;
        return false;
    }

    computeDepths();
    int position = 1;
    const bool nodes = AddNodes(position, static_cast<int>(levels->size()), 0);
    index_ = nullptr;
    if (!nodes) return false;
    const std::string tail =
        "document.write(d);\n"
        "-->\n"
        "</script>\n"
        "</div>\n"
        "</body>\n"
        "</html>\n";
    const bool written = write_all(file.get(), tail);
    return file.close() && written;
}

// Writes the nodes from `position` on that hang under `parent`, descending
// into deeper runs; returns with `position` on the last entry it handled.
bool HTMLTree::AddNodes(int& position, int count, int parent) {
    while (position < count) {
        const int node = position;
        const std::string& title = (*titles)[node];
        if (depths_[node] != 0 && !title.empty()) {
            std::string line = "d.add(" + std::to_string(node) + "," + std::to_string(parent) + ",'";
            const std::string text = quoted(title);
            line += text + "'";
            const std::string file = html::file_name_of((*pages)[node]);
            if (!file.empty()) line += ",'" + file + "','" + text + "'" + ",'" + target_ + "'";
            line += ");\n";
            if (!write_all(index_, line)) return false;
        }
        if (node + 1 < count && depths_[node + 1] > depths_[node]) {
            ++position;
            if (!AddNodes(position, count, node)) return false;
        }
        if (position + 1 < count && depths_[position + 1] < depths_[node]) return true;
        ++position;
    }
    return true;
}

}  // namespace vane
