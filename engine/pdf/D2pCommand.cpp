#include "pdf/D2pCommand.h"

#include <cstdio>
#include <exception>

#include "discovery/ProducerPaths.h"
#include "discovery/ToolDiscovery.h"
#include "frame/Automation.h"
#include "frame/Banner.h"
#include "frame/File.h"
#include "frame/FileUtil.h"
#include "frame/InstanceLock.h"
#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "frame/Options.h"
#include "frame/PathRules.h"
#include "frame/ResultCodes.h"
#include "frame/RunFlags.h"
#include "pdf/D2pWordPhase.h"
#include "pdf/LigatureTextRepair.h"
#include "platform/Env.h"
#include "platform/Spooler.h"
#include "vanecore/vanecore.h"

namespace vane {

namespace {

// Printers tried, in order, when -p is absent.
constexpr const char* kDefaultPrinters[] = {"Acrobat Distiller", "Adobe PDF"};

std::string valued_option(char letter, int argc, char* argv[]) {
    return get_option(letter, argc, argv, true) == kOptionPresent ? std::string(option_value())
                                                                  : std::string();
}

}  // namespace

D2pProducerSearch::D2pProducerSearch()
    : ghostscriptFolder(use_ghostscript_folder), ghostscript(find_ghostscript), distiller(find_distiller) {}

int D2pCommand::run(int argc, char* argv[]) {
    if (!ensure_automation_for_command()) return VANE_ERR_COM;
    currentDirectory_ = env().currentDirectory();
    read_run_flags(argc, argv);
    links_ = get_option('l', argc, argv, false) != kOptionPresent;
    openOutline_ = get_option('k', argc, argv, false) == kOptionPresent;
    allHeadings_ = get_option('a', argc, argv, false) == kOptionPresent;
    crossReferences_ = get_option('r', argc, argv, false) == kOptionPresent;
    print_command_banner();
    if (!take_instance_lock()) return VANE_ERR_INSTANCE;

    if (const int result = readStartOptions(argc, argv); result != VANE_OK) return result;
    if (const int result = chooseProducer(argc, argv); result != VANE_OK) return result;
    derivePaths(argc, argv);
    if (const int result = checkPrinter(argc, argv); result != VANE_OK) return result;
    return convert();
}

int D2pCommand::readStartOptions(int argc, char* argv[]) {
    if (get_option('d', argc, argv, true) == kOptionPresent) maxLevel_ = leading_int(option_value());
    if (maxLevel_ < 0 || maxLevel_ > 6) {
        print_message(msg::kBadLevel);
        return VANE_ERR_ARGUMENTS;
    }
    print_verbose(msg::kLevelTrace, maxLevel_);

    operand_ = find_d2p_operand(argc, argv);
    if (operand_.empty()) {
        print_message(msg::kNoFileName);
        return VANE_ERR_ARGUMENTS;
    }
    const std::string document = absolute_path(operand_, currentDirectory_);
    print_verbose(msg::kDocFile, document.c_str());
    if (!file_exists(document.c_str())) {
        print_message(msg::kFileNotFound, document.c_str());
        return VANE_ERR_ARGUMENTS;
    }
    return VANE_OK;
}

int D2pCommand::chooseProducer(int argc, char* argv[]) {
    const std::string folder = PathRules::native().normalized(valued_option('c', argc, argv));
    bool found = !folder.empty() && search.ghostscriptFolder(folder);
    if (!found) found = search.ghostscript();
    if (found) {
        producer_ = PdfProducer::Ghostscript;
        print_verbose(msg::kGhostscriptPath, producer_paths().ghostscript.c_str());
        return VANE_OK;
    }
    print_message(msg::kGhostscriptNotFound);
    print_message(msg::kCheckDistiller);
    if (!search.distiller()) {
        print_message(msg::kDistillerNotFound);
        return result::kNoProducer;
    }
    producer_ = PdfProducer::Distiller;
    print_verbose(msg::kDistillerPath, producer_paths().distiller.c_str());
    return VANE_OK;
}

void D2pCommand::derivePaths(int argc, char* argv[]) {
    const std::string job = valued_option('j', argc, argv);
    const std::string output = valued_option('o', argc, argv);
    names_ = derive_d2p_names(operand_, output, job, currentDirectory_);
    names_.printedPdf = printed_pdf_path(env().temporaryDirectory(), env().processId());
    print_verbose(msg::kPdfFile, names_.pdf.c_str());
    if (!names_.job.empty()) print_verbose(msg::kJobFile, names_.job.c_str());
    delete_file(names_.pdf.c_str());
    delete_file(names_.markFile.c_str());
    if (!names_.printedPdf.empty()) delete_file(names_.printedPdf.c_str());
}

int D2pCommand::checkPrinter(int argc, char* argv[]) {
    Spooler& spooler = env().spooler();
    if (get_option('p', argc, argv, true) == kOptionPresent) {
        printer_ = option_value();
        if (spooler.canOpen(printer_)) return VANE_OK;
    } else {
        for (const char* name : kDefaultPrinters) {
            if (spooler.canOpen(name)) {
                printer_ = name;
                return VANE_OK;
            }
        }
    }
    print_message(msg::kCannotOpenPrinter);
    return result::kPrinter;
}

int D2pCommand::convert() {
    if (!copy_file(names_.workingCopy.c_str(), names_.document.c_str())) {
        delete_file(names_.workingCopy.c_str());  // a partial copy is ours too
        print_message(msg::kCannotCopy);
        return result::kWorkingCopy;
    }
    D2pSettings settings;
    settings.printer = printer_;
    settings.maxLevel = maxLevel_;
    settings.links = links_;
    settings.allHeadings = allHeadings_;
    settings.crossReferences = crossReferences_;
    D2pWordPhase phase(names_, settings);
    int result = VANE_ERR_EXCEPTION;
    try {
        result = phase.run();
    } catch (...) {
        // Cleaned up below, then passed on to the wrapper.
        delete_file(names_.workingCopy.c_str());
        delete_file(names_.markFile.c_str());
        delete_file(names_.pdf.c_str());
        deletePrintedPdf();
        throw;
    }
    try {
        result = produce(result, openOutline_ && phase.outlineEntries() > 0, phase.closingMarks());
    } catch (...) {
        deletePrintedPdf();
        throw;
    }
    deletePrintedPdf();
    // A word processor that hosted the phase ended while the producer ran.
    phase.awaitWordProcessor();
    return result;
}

void D2pCommand::deletePrintedPdf() const {
    if (!names_.printedPdf.empty()) delete_file(names_.printedPdf.c_str());
}

int D2pCommand::produce(int result, bool openOutline, const std::string& closingMarks) {
    delete_file(names_.workingCopy.c_str());
    if (result != VANE_OK) {
        delete_file(names_.markFile.c_str());
        delete_file(names_.pdf.c_str());
        return result;
    }
    const std::string& printed = names_.pdf;
    bool joined = false;
    if (file_exists(names_.markFile.c_str())) {
        joined = append_file(names_.markFile.c_str(), printed.c_str());
        delete_file(printed.c_str());
    } else {
        joined = env().renameFile(printed, names_.markFile);
    }
    if (joined && !closingMarks.empty()) {
        File file = File::open(names_.markFile.c_str(), "ab");
        joined =
            file.isOpen() &&
            std::fwrite(closingMarks.data(), 1, closingMarks.size(), file.get()) == closingMarks.size() &&
            file.close();
    }
    if (!joined) {
        // Without the printed pages the producer would make a PDF of marks alone.
        print_message(msg::kProcessingError);
        delete_file(names_.markFile.c_str());
        delete_file(printed.c_str());
        return result::kDocument;
    }
    result = make_pdf(producer_, names_.markFile, names_.pdf, names_.job, openOutline);
    delete_file(names_.markFile.c_str());
    // Ghostscript may garble the text of ligature glyphs it read from the
    // printed PDF: it is repaired against that PDF's own.
    if (result == 0 && producer_ == PdfProducer::Ghostscript && !names_.printedPdf.empty() &&
        file_exists(names_.printedPdf.c_str())) {
        try {
            repair_ligature_text(names_.pdf, names_.printedPdf);
        } catch (const std::exception&) {
            print_message(msg::kGhostscriptFailed);
            result = result::kGhostscriptFailed;
        }
    }
    // A producer that failed (a full disk, a killed run) leaves a truncated PDF
    // that would pass for the publication: only a complete one is kept.
    if (result != 0) delete_file(names_.pdf.c_str());
    return result;
}

}  // namespace vane
