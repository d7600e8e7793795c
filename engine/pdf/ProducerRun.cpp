#include "pdf/ProducerRun.h"

#include "discovery/ProducerPaths.h"
#include "frame/FileUtil.h"
#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "frame/ResultCodes.h"
#include "pdf/CompletePdf.h"
#include "pdf/ProducerCommand.h"
#include "platform/Env.h"
#include "platform/WaitForExit.h"

namespace vane {

namespace {

constexpr int kPollIntervalMs = 200;

struct RunMessages {
    msg::Id commandLine;
    msg::Id waiting;
    msg::Id finished;
};

constexpr RunMessages kGhostscriptMessages{msg::kGhostscriptCommandLine, msg::kGhostscriptWaiting,
                                           msg::kGhostscriptFinished};
constexpr RunMessages kDistillerMessages{msg::kDistillerCommandLine, msg::kDistillerWaiting,
                                         msg::kDistillerFinished};

// Starts the program of `commandLine` in `program`'s folder and waits for it;
// the exit code, or nothing when it could not be started.
std::optional<int> run_producer(const std::string& program, const std::string& commandLine,
                                const RunMessages& messages) {
    print_verbose(messages.commandLine, commandLine.c_str());
    std::unique_ptr<ChildProcess> child =
        env().startProcess(commandLine, producer_working_directory(program));
    if (!child) return {};
    print_verbose(messages.waiting);
    const int exitCode = wait_for_exit(*child, PollSchedule{kPollIntervalMs, 0, 0});
    child.reset();
    print_verbose(messages.finished);
    return exitCode;
}

}  // namespace

bool runGhostscript(std::string psPath, std::string pdfPath, std::string jobPath, bool openOutline) {
    const std::string& program = producer_paths().ghostscript;
    const std::optional<int> exitCode =
        run_producer(program, ghostscript_command_line(program, psPath, pdfPath, jobPath, openOutline),
                     kGhostscriptMessages);
    return exitCode == 0;
}

bool runDistiller(std::string psPath, std::string pdfPath, std::string jobPath) {
    const std::string& program = producer_paths().distiller;
    const std::optional<int> exitCode =
        run_producer(program, distiller_command_line(program, psPath, pdfPath, jobPath), kDistillerMessages);
    if (!exitCode) return false;
    const std::string log = distiller_log_path(pdfPath);
    if (file_exists(log.c_str())) delete_file(log.c_str());
    return *exitCode == 0;
}

int make_pdf(PdfProducer producer, const std::string& markPath, const std::string& pdfPath,
             const std::string& jobPath, bool openOutline) {
    print_normal(msg::kCreatingPdf);
    // An exit code of 0 is not proof: a producer that ran out of disk can
    // still end with 0, leaving a PDF without its trailer.
    if (producer == PdfProducer::Ghostscript) {
        if (runGhostscript(markPath, pdfPath, jobPath, openOutline) && is_complete_pdf(pdfPath)) return 0;
        print_message(msg::kGhostscriptFailed);
        return result::kGhostscriptFailed;
    }
    if (runDistiller(markPath, pdfPath, jobPath) && is_complete_pdf(pdfPath)) return 0;
    print_message(msg::kDistillerFailed);
    return result::kDistillerFailed;
}

}  // namespace vane
