// What one running office shares with every object handed out for it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "word/office/DocumentSession.h"
#include "word/office/OfficeProcess.h"

namespace vane {

class Env;

struct OfficeSession {
    explicit OfficeSession(Env& environment) : env(environment) {}

    Env& env;
    std::unique_ptr<OfficeProcess> process;
    std::vector<std::shared_ptr<DocumentSession>> documents;  // open ones
    std::shared_ptr<DocumentSession> active;
    std::string printer = "Generic Printer";
    std::string version;
    bool visible = false;

    // The running office; throws once it has been quit.
    OfficeProcess& office() const;
    // Forgets a closed document.
    void forget(const DocumentSession* document);
};

}  // namespace vane
