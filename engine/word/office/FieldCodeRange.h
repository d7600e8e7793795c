// The code of a field: a range that only gives its text.
#pragma once

#include <string>

#include "word/Fields.h"
#include "word/Range.h"
#include "word/WordConstants.h"
#include "word/WordError.h"

namespace vane {

class FieldCodeRange final : public word::Range {
public:
    explicit FieldCodeRange(std::string code) : code_(std::move(code)) {}

    std::string text() override { return code_; }
    int start() override { return 0; }
    int end() override { return static_cast<int>(code_.size()); }
    int storyType() override { return word::kMainTextStory; }
    std::unique_ptr<word::Font> font() override { throw unavailable(); }
    std::unique_ptr<word::Paragraphs> paragraphs() override { throw unavailable(); }
    std::unique_ptr<word::Sections> sections() override { throw unavailable(); }
    std::unique_ptr<word::Hyperlinks> hyperlinks() override { throw unavailable(); }
    std::unique_ptr<word::Fields> fields() override { throw unavailable(); }
    std::unique_ptr<word::Style> style() override { throw unavailable(); }
    std::unique_ptr<word::PageSetup> pageSetup() override { throw unavailable(); }
    void select() override { throw unavailable(); }

private:
    static word::WordError unavailable() { return word::WordError("a field code has no layout"); }
    std::string code_;
};

}  // namespace vane
