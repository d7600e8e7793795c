// The path state of the browse control: the paths of the last choice and the
// text the user typed since, and which of them is the current path.
#pragma once

#include <string>
#include <vector>

namespace vane::desk {

class BrowsePath {
public:
    ~BrowsePath();

    // The field shows path and the chosen paths become this one path.
    void SetPath(const std::string& path);
    // A browse chose paths (in the dialog's order); the field shows the first.
    void Choose(std::vector<std::string> paths);
    // The field's text changed; counts as typing only when no browse runs and
    // the field is editable.
    void TextChanged(const std::string& text, bool browsing, bool editable);

    // The typed text when the user typed something that differs (ignoring
    // case) from the first chosen path; otherwise the first chosen path
    // (empty when there is none).
    std::string CurrentPath() const;

    const std::vector<std::string>& Chosen() const { return chosen_; }
    bool Typed() const { return typed_; }
    const std::string& TypedText() const { return typedText_; }

private:
    std::vector<std::string> chosen_;
    bool typed_ = false;
    std::string typedText_;
};

// Turns a filter of "description|pattern|" pairs ended by a second "|" into
// the filter text of a Qt file dialog ("Description (*.a *.b);;..."): the
// patterns, separated by ";", become a space-separated list, "*.*" becomes
// "*", and a parenthesised list at the end of the description is replaced by
// them.
std::string qt_file_filter(const std::string& filter);

}  // namespace vane::desk
