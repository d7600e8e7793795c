#include "MainDialogLogic.h"

#include "ArgumentVector.h"
#include "LogPrint.h"

namespace vane::desk {

std::string result_target(const std::string& documentPath, OutputKind kind) {
#ifdef _WIN32
    constexpr char kSeparator = '\\';
    std::string path = documentPath;
    for (char& c : path)
        if (c == '/') c = kSeparator;
#else
    constexpr char kSeparator = '/';
    const std::string& path = documentPath;
#endif
    const std::size_t slash = path.find_last_of(kSeparator);
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.resize(dot);
    if (kind == OutputKind::Pdf) return folder + name + ".pdf";
    return folder + name + kSeparator + "index.html";
}

MainDialogLogic::MainDialogLogic(CoreFunctions core, const CSetting& parameters)
    : core_(std::move(core)), parameters_(parameters) {}

MainDialogLogic::~MainDialogLogic() = default;

void MainDialogLogic::Start(MainDialogView& view) {
    const OutputKind kind = view.Mode() == 1 ? OutputKind::Pdf : OutputKind::Html;
    view.ClearLog();
    const std::string path = view.DocumentPath();
    if (path.empty()) {
        view.ShowMessage(msg::kChooseFile);
        return;
    }
    view.SetRunning(true);

    if (wordVersion_ == 0) {
        print_log_message(msg::kCheckWord);
        wordVersion_ = core_.check_winword ? core_.check_winword() : 0;
    }
    // An older word processor is reported but still tried; a missing one stops the run.
    if (wordVersion_ < kMinimumWordVersion) view.ShowMessage(msg::kWordMissing);
    bool go = wordVersion_ != 0;

    if (go && kind == OutputKind::Pdf) {
        print_log("\r\n");
        print_log_message(msg::kCheckGhostscript);
        go = core_.check_ghostscript && core_.check_ghostscript();
        if (!go) {
            print_log("\r\n");
            print_log_message(msg::kGhostscriptNotFound);
            print_log_message(msg::kCheckDistiller);
            go = core_.check_distiller && core_.check_distiller();
            if (go)
                print_log_message(msg::kDistillerFound);
            else
                view.ShowMessage(msg::kNoProducer);
        }
    }
    print_log("\r\n");
    if (go) run_conversion(core_, parameters_, path, kind);
    view.SetRunning(false);
}

void MainDialogLogic::DisplayResult(MainDialogView& view) {
    const OutputKind kind = view.Mode() == 1 ? OutputKind::Pdf : OutputKind::Html;
    const std::string path = view.DocumentPath();
    if (path.empty()) {
        view.ShowMessage(msg::kChooseFile);
        return;
    }
    view.OpenResult(result_target(path, kind));
}

void MainDialogLogic::About(MainDialogView& view) {
    view.ClearLog();
    ArgumentVector arguments({"display_info"});
    if (core_.display_info) core_.display_info(arguments.argc(), arguments.argv());
}

}  // namespace vane::desk
