#include "FakeProducerEnv.h"

#include "TempDir.h"

namespace vane::test {

namespace {

class ScriptedChild final : public ChildProcess {
public:
    ScriptedChild(FakeProducerEnv& env, int runningPolls, int exitCode)
        : env_(env), running_(runningPolls), exitCode_(exitCode) {}
    std::optional<int> poll() override {
        ++env_.polls;
        if (running_ > 0) {
            --running_;
            return {};
        }
        return exitCode_;
    }
    void kill() override { running_ = 0; }

private:
    FakeProducerEnv& env_;
    int running_;
    int exitCode_;
};

}  // namespace

std::unique_ptr<ChildProcess> FakeProducerEnv::startProcess(const std::string& commandLine,
                                                            const std::string& workingDirectory) {
    starts.push_back({commandLine, workingDirectory});
    if (!startable) return nullptr;
    if (!outputFile.empty()) write_text(outputFile, outputBytes);
    return std::make_unique<ScriptedChild>(*this, runningPolls, exitCode);
}

}  // namespace vane::test
