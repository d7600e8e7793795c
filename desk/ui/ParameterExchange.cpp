#include "ParameterExchange.h"

#include <climits>

namespace vane::desk {

bool read_dialog_integer(const std::string& text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                               text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return false;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) magnitude = static_cast<long long>(INT_MAX) + 1;
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    value = static_cast<int>(signedValue > INT_MAX ? INT_MAX : signedValue);
    return true;
}

namespace {

ExchangeResult read_bounded(const std::string& text, int control, int maximum, int& field) {
    int value = 0;
    if (!read_dialog_integer(text, value)) return {ExchangeError::NotAnInteger, control, 0, 0};
    field = value;
    if (value < 0 || value > maximum) return {ExchangeError::OutOfRange, control, 0, maximum};
    return {};
}

}  // namespace

ExchangeResult read_parameter_controls(const ParameterControls& controls, CSetting& parameters) {
    parameters.HeadingLevel = controls.headingLevelIndex;
    parameters.HeadingLevelPdf = controls.headingLevelPdfIndex;
    ExchangeResult result =
        read_bounded(controls.indexWidthText, kIdIndexWidth, CSetting::kIndexWidthMax, parameters.IndexWidth);
    if (!result.ok()) return result;
    parameters.InternalLinks = controls.internalLinks;
    parameters.OpenBookmarks = controls.openBookmarks;
    result = read_bounded(controls.skipHeadingsText, kIdSkipHeadings, CSetting::kSkipHeadingsMax,
                          parameters.SkipHeadings);
    if (!result.ok()) return result;
    parameters.UseHome = controls.useHome;
    parameters.AllHeadingsHtml = controls.allHeadingsHtml;
    parameters.AllHeadingsPdf = controls.allHeadingsPdf;
    parameters.CrossReferences = controls.crossReferences;
    return {};
}

ParameterControls parameter_controls_for(const CSetting& parameters) {
    ParameterControls controls;
    controls.headingLevelIndex = parameters.HeadingLevel;
    controls.headingLevelPdfIndex = parameters.HeadingLevelPdf;
    controls.indexWidthText = std::to_string(parameters.IndexWidth);
    controls.internalLinks = parameters.InternalLinks;
    controls.openBookmarks = parameters.OpenBookmarks;
    controls.skipHeadingsText = std::to_string(parameters.SkipHeadings);
    controls.useHome = parameters.UseHome;
    controls.allHeadingsHtml = parameters.AllHeadingsHtml;
    controls.allHeadingsPdf = parameters.AllHeadingsPdf;
    controls.crossReferences = parameters.CrossReferences;
    return controls;
}

}  // namespace vane::desk
