// Makers of the fake automation objects. The objects are small adapters over
// FakeDocument/FakeStory data and the session's selection.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "FakeSession.h"
#include "word/Word.h"

namespace vane::test::fakeword {

std::unique_ptr<word::Range> make_range(const SessionPtr& s, FakeDocument* doc, FakeStory* story, int start,
                                        int end);
std::unique_ptr<word::PageSetup> make_page_setup(const SessionPtr& s, std::vector<FakePageSetup> setups);
std::unique_ptr<word::Style> make_style(const SessionPtr& s, FakeDocument* doc, const std::string& name);
std::unique_ptr<word::Styles> make_styles(const SessionPtr& s, FakeDocument* doc);
std::unique_ptr<word::Paragraphs> make_paragraphs(const SessionPtr& s, FakeDocument* doc, FakeStory* story,
                                                  int first, int last);
std::unique_ptr<word::Sections> make_sections(const SessionPtr& s, FakeDocument* doc,
                                              std::vector<int> indexes);
std::unique_ptr<word::Hyperlinks> make_hyperlinks(const SessionPtr& s, FakeDocument* doc, FakeStory* story,
                                                  std::vector<int> indexes);
std::unique_ptr<word::Fields> make_fields(const SessionPtr& s, FakeDocument* doc);
// The fields of `story` inside [start, end).
std::unique_ptr<word::Fields> make_story_fields(const SessionPtr& s, FakeDocument* doc, FakeStory* story,
                                                int start, int end);
std::unique_ptr<word::Shapes> make_shapes(const SessionPtr& s, FakeDocument* doc);
std::unique_ptr<word::Shape> make_shape(const SessionPtr& s, FakeDocument* doc, int index);
std::unique_ptr<word::Footnotes> make_footnotes(const SessionPtr& s, FakeDocument* doc, bool endnotes);
std::unique_ptr<word::Selection> make_selection(const SessionPtr& s);
std::unique_ptr<word::Document> make_document(const SessionPtr& s, FakeDocument* doc);
std::unique_ptr<word::Application> make_application(const SessionPtr& s);

// 1-based sections that the characters [start, end) of `story` lie in.
std::vector<int> sections_of(const FakeDocument& doc, const FakeStory& story, int start, int end);
// Page setups of those sections.
std::vector<FakePageSetup> setups_of(const FakeDocument& doc, const std::vector<int>& sections);

}  // namespace vane::test::fakeword
