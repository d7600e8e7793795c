// State shared by the objects of one fake application: the open documents
// and the selection.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "FakeDocument.h"
#include "FakeWord.h"

namespace vane::test::fakeword {

struct FakeSelectionState {
    FakeStory* story = nullptr;
    int start = 0;
    int end = 0;
    bool atLineEnd = false;  // a collapsed selection at a wrap point, shown at the line's end
};

class FakeSession {
public:
    explicit FakeSession(FakeWord& word) : word(word) {}

    // Every call of a fake object starts here: checks that the application
    // still runs, logs the call and applies the fault injection.
    void enter(const std::string& entry);
    // The same for a call on `document`, which must still be open.
    void enterDocument(const FakeDocument* document, const std::string& entry);

    FakeWord& word;
    bool quit = false;
    FakeDocument* active = nullptr;
    std::set<const FakeDocument*> open;
    FakeSelectionState selection;
    // Stories made on demand (field codes), kept while the application lives.
    std::vector<std::unique_ptr<FakeStory>> detached;
};

using SessionPtr = std::shared_ptr<FakeSession>;

}  // namespace vane::test::fakeword
