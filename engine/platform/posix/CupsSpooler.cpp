#include "platform/posix/CupsSpooler.h"

#include <cups/cups.h>

#include <memory>

namespace vane {

namespace {

struct IppDeleter {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using IppPtr = std::unique_ptr<ipp_t, IppDeleter>;

constexpr int kMaxQueueName = 127;

// ipp://localhost/printers/<name>, the name percent-encoded as needed.
std::string printer_uri(const std::string& name) {
    char uri[1024];
    if (httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                         "/printers/%s", name.c_str()) != HTTP_URI_STATUS_OK)
        return {};
    return uri;
}

ipp_t* new_printer_request(ipp_op_t op, const std::string& uri) {
    ipp_t* request = ippNewRequest(op);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    return request;
}

// Sends `request` (consumed) to the scheduler; the response when it succeeded.
IppPtr send(ipp_t* request) {
    IppPtr response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (response == nullptr || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) return nullptr;
    return response;
}

bool succeeds(ipp_t* request) {
    return send(request) != nullptr;
}

// The PPD whose make-and-model is exactly `makeAndModel`; empty when none.
std::string ppd_for(const std::string& makeAndModel) {
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PPDS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_TEXT, "ppd-make-and-model", nullptr,
                 makeAndModel.c_str());
    static const char* const wanted[] = {"ppd-name", "ppd-make-and-model"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    IppPtr response = send(request);
    if (response == nullptr) return {};
    // Each PPD is one group: its name, then its make-and-model.
    std::string name;
    for (ipp_attribute_t* a = ippFirstAttribute(response.get()); a != nullptr;
         a = ippNextAttribute(response.get())) {
        const char* attribute = ippGetName(a);
        if (attribute == nullptr) {
            name.clear();
            continue;
        }
        const char* value = ippGetString(a, 0, nullptr);
        if (value == nullptr) continue;
        const std::string key = attribute;
        if (key == "ppd-name") name = value;
        if (key == "ppd-make-and-model" && makeAndModel == value && !name.empty()) return name;
    }
    return {};
}

}  // namespace

Spooler& Spooler::platform() {
    static CupsSpooler instance;
    return instance;
}

std::string device_uri_for_port(const std::string& port) {
    if (port == "FILE:") return "file:/dev/null";
    const std::size_t colon = port.find(':');
    if (colon != std::string::npos && colon > 0 && port.compare(colon, 2, ":/") == 0) return port;
    return {};
}

bool valid_queue_name(const std::string& name) {
    if (name.empty() || name.size() > kMaxQueueName) return false;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u == 0x7f) return false;
        if (c == '/' || c == '\\' || c == '?' || c == '\'' || c == '"' || c == '#') return false;
    }
    return true;
}

PrinterLookup CupsSpooler::lookupPrinter(const std::string& name) {
    if (!valid_queue_name(name)) return PrinterLookup::NotFound;
    const std::string uri = printer_uri(name);
    if (uri.empty()) return PrinterLookup::Failed;
    ipp_t* request = new_printer_request(IPP_OP_GET_PRINTER_ATTRIBUTES, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-name");
    if (send(request) != nullptr) return PrinterLookup::Found;
    return cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? PrinterLookup::NotFound : PrinterLookup::Failed;
}

std::optional<int> CupsSpooler::jobCount(const std::string& name) {
    if (!valid_queue_name(name)) return std::nullopt;
    ipp_t* request = new_printer_request(IPP_OP_GET_JOBS, printer_uri(name));
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "not-completed");
    ippAddBoolean(request, IPP_TAG_OPERATION, "my-jobs", 0);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "job-id");
    IppPtr response = send(request);
    if (response == nullptr) return std::nullopt;
    int jobs = 0;
    for (ipp_attribute_t* a = ippFindAttribute(response.get(), "job-id", IPP_TAG_INTEGER); a != nullptr;
         a = ippFindNextAttribute(response.get(), "job-id", IPP_TAG_INTEGER))
        ++jobs;
    return jobs;
}

bool CupsSpooler::setPort(const std::string& name, const std::string& port) {
    const std::string device = device_uri_for_port(port);
    if (!valid_queue_name(name) || device.empty()) return false;
    ipp_t* request = new_printer_request(IPP_OP_CUPS_ADD_MODIFY_PRINTER, printer_uri(name));
    ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr, device.c_str());
    return succeeds(request);
}

bool CupsSpooler::deletePrinter(const std::string& name) {
    if (!valid_queue_name(name)) return false;
    return succeeds(new_printer_request(IPP_OP_CUPS_DELETE_PRINTER, printer_uri(name)));
}

bool CupsSpooler::addPrinter(const PrinterRecord& record) {
    // The print processor and the data type have no counterpart in CUPS.
    const std::string device = device_uri_for_port(record.port);
    if (!valid_queue_name(record.name) || device.empty()) return false;
    const std::string ppd = ppd_for(record.driver);
    if (ppd.empty()) return false;
    ipp_t* request = new_printer_request(IPP_OP_CUPS_ADD_MODIFY_PRINTER, printer_uri(record.name));
    ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_NAME, "ppd-name", nullptr, ppd.c_str());
    ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr, device.c_str());
    // Enabled, accepting jobs and not shared, as a local printer ready for use.
    ippAddInteger(request, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
    ippAddBoolean(request, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
    ippAddBoolean(request, IPP_TAG_PRINTER, "printer-is-shared", 0);
    return succeeds(request);
}

std::optional<std::vector<std::string>> CupsSpooler::listDrivers() {
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PPDS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "ppd-make-and-model");
    IppPtr response = send(request);
    if (response == nullptr) return std::nullopt;
    std::vector<std::string> drivers;
    for (ipp_attribute_t* a = ippFindAttribute(response.get(), "ppd-make-and-model", IPP_TAG_ZERO);
         a != nullptr; a = ippFindNextAttribute(response.get(), "ppd-make-and-model", IPP_TAG_ZERO)) {
        if (const char* value = ippGetString(a, 0, nullptr)) drivers.emplace_back(value);
    }
    return drivers;
}

}  // namespace vane
