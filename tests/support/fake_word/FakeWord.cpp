#include "FakeWord.h"

#include "FakeObjects.h"

namespace vane::test {

FakeWord::FakeWord() {
    word::set_word_backend(this);
}

FakeWord::~FakeWord() {
    if (&word::word_backend() == this) word::set_word_backend(nullptr);
}

FakeDocument& FakeWord::document(const std::string& path) {
    auto& doc = byPath_[path];
    if (!doc) doc = std::make_unique<FakeDocument>();
    return *doc;
}

FakeDocument* FakeWord::documentFor(const std::string& path) {
    auto it = byPath_.find(path);
    if (it != byPath_.end()) return it->second.get();
    return onlyKnownPaths ? nullptr : &defaultDocument_;
}

std::unique_ptr<word::Application> FakeWord::createApplication() {
    enter("Backend.CreateApplication");
    if (failCreate) throw word::WordError(createError);
    ++applicationsCreated;
    return fakeword::make_application(std::make_shared<fakeword::FakeSession>(*this));
}

void FakeWord::failOn(const std::string& name, int skip, const std::string& description) {
    failures_[name] = {skip, description};
}

void FakeWord::enter(const std::string& entry) {
    calls_.push_back(entry);
    auto it = failures_.find(entry.substr(0, entry.find(' ')));
    if (it == failures_.end()) it = failures_.find(entry);
    if (it == failures_.end()) return;
    if (it->second.skip > 0) {
        --it->second.skip;
        return;
    }
    throw word::WordError(it->second.description);
}

bool FakeWord::called(const std::string& entry) const {
    return callCount(entry) > 0;
}

int FakeWord::callCount(const std::string& entry) const {
    int n = 0;
    for (const auto& c : calls_) {
        if (c == entry ||
            (c.size() > entry.size() && c.compare(0, entry.size(), entry) == 0 && c[entry.size()] == ' ')) {
            ++n;
        }
    }
    return n;
}

namespace fakeword {

void FakeSession::enter(const std::string& entry) {
    if (quit) throw word::WordError("The object invoked has disconnected from its clients.");
    word.enter(entry);
}

void FakeSession::enterDocument(const FakeDocument* document, const std::string& entry) {
    enter(entry);
    if (open.count(document) == 0)
        throw word::WordError("The object invoked has disconnected from its clients.");
}

}  // namespace fakeword

}  // namespace vane::test
