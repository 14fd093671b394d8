// The sentences that run-time errors of a user's figures carry into the report.
#include "runtime/number_report.h"

#include "runtime/number_text.h"
#include "runtime/run_time_error.h"
#include "runtime/shown_text.h"

namespace quantaro {

namespace {

// Enough to recognise what was typed; a message box stays a few lines wide.
constexpr std::size_t shownCharacters = 40;

std::string quotedForReport(std::string_view text) {
    return '"' + shownText(text, shownCharacters) + '"';
}

}  // namespace

double numberReadFrom(std::string_view text, std::string_view decimalSeparator) {
    try {
        return numberFromText(text, decimalSeparator);
    } catch (const RunTimeError& error) {
        const bool tooLarge = error.number() == RunTimeError::overflow().number();
        throw error.about(quotedForReport(text) +
                          (tooLarge ? " is too large." : " is not a number."));
    }
}

std::string textOfResult(double value, std::string_view decimalSeparator) {
    try {
        return textFromNumber(checkedResult(value), decimalSeparator);
    } catch (const RunTimeError& error) {
        throw error.about("the result is too large.");
    }
}

}  // namespace quantaro
