// The six conversion routines. They differ only in the order of their six writes, so each is a
// row of writes run by one procedure. Every computed write reads the text its source box shows
// at that moment, never a number carried over: the 15 digits a box shows are what the next
// box is computed from.
#include <algorithm>

#include "app/frm_main.h"
#include "runtime/colour.h"
#include "runtime/number_report.h"
#include "runtime/run_time_error.h"

namespace quantaro {

namespace {

constexpr double bitsPerByte = 8.0;
// Bytes to Killobytes, Killobytes to Megabytes and so on up: each unit is 1024 of the one below.
constexpr double binaryKilo = 1024.0;

constexpr const char* enteredValue = "Entered value";

}  // namespace

void frmMain::SubBits() {
    static constexpr Write writes[] = {
        {Box::Bits, Box::Value, Operation::Copy, 0},
        {Box::Bytes, Box::Bits, Operation::Divide, bitsPerByte},
        {Box::Killobytes, Box::Bytes, Operation::Divide, binaryKilo},
        {Box::Megabytes, Box::Killobytes, Operation::Divide, binaryKilo},
        {Box::Gigabytes, Box::Megabytes, Operation::Divide, binaryKilo},
        {Box::Terrabytes, Box::Gigabytes, Operation::Divide, binaryKilo},
    };
    convert(writes);
}

// The one routine that converts before it copies: bits come straight from the value box.
void frmMain::SubBytes() {
    static constexpr Write writes[] = {
        {Box::Bits, Box::Value, Operation::Multiply, bitsPerByte},
        {Box::Bytes, Box::Value, Operation::Copy, 0},
        {Box::Killobytes, Box::Bytes, Operation::Divide, binaryKilo},
        {Box::Megabytes, Box::Killobytes, Operation::Divide, binaryKilo},
        {Box::Gigabytes, Box::Megabytes, Operation::Divide, binaryKilo},
        {Box::Terrabytes, Box::Gigabytes, Operation::Divide, binaryKilo},
    };
    convert(writes);
}

void frmMain::SubKillobytes() {
    static constexpr Write writes[] = {
        {Box::Killobytes, Box::Value, Operation::Copy, 0},
        {Box::Bytes, Box::Killobytes, Operation::Multiply, binaryKilo},
        {Box::Bits, Box::Bytes, Operation::Multiply, bitsPerByte},
        {Box::Megabytes, Box::Killobytes, Operation::Divide, binaryKilo},
        {Box::Gigabytes, Box::Megabytes, Operation::Divide, binaryKilo},
        {Box::Terrabytes, Box::Gigabytes, Operation::Divide, binaryKilo},
    };
    convert(writes);
}

void frmMain::SubMegabytes() {
    static constexpr Write writes[] = {
        {Box::Megabytes, Box::Value, Operation::Copy, 0},
        {Box::Killobytes, Box::Megabytes, Operation::Multiply, binaryKilo},
        {Box::Bytes, Box::Killobytes, Operation::Multiply, binaryKilo},
        {Box::Bits, Box::Bytes, Operation::Multiply, bitsPerByte},
        {Box::Gigabytes, Box::Megabytes, Operation::Divide, binaryKilo},
        {Box::Terrabytes, Box::Gigabytes, Operation::Divide, binaryKilo},
    };
    convert(writes);
}

void frmMain::SubGigabytes() {
    static constexpr Write writes[] = {
        {Box::Gigabytes, Box::Value, Operation::Copy, 0},
        {Box::Megabytes, Box::Gigabytes, Operation::Multiply, binaryKilo},
        {Box::Killobytes, Box::Megabytes, Operation::Multiply, binaryKilo},
        {Box::Bytes, Box::Killobytes, Operation::Multiply, binaryKilo},
        {Box::Bits, Box::Bytes, Operation::Multiply, bitsPerByte},
        {Box::Terrabytes, Box::Gigabytes, Operation::Divide, binaryKilo},
    };
    convert(writes);
}

void frmMain::SubTerrabytes() {
    static constexpr Write writes[] = {
        {Box::Terrabytes, Box::Value, Operation::Copy, 0},
        {Box::Gigabytes, Box::Terrabytes, Operation::Multiply, binaryKilo},
        {Box::Megabytes, Box::Gigabytes, Operation::Multiply, binaryKilo},
        {Box::Killobytes, Box::Megabytes, Operation::Multiply, binaryKilo},
        {Box::Bytes, Box::Killobytes, Operation::Multiply, binaryKilo},
        {Box::Bits, Box::Bytes, Operation::Multiply, bitsPerByte},
    };
    convert(writes);
}

void frmMain::convert(Writes writes) {
    if (txtUnit->text().empty()) {
        application().msgBox("Insert a value", msgbox::exclamation);
        txtUnit->setFocus();
        return;
    }
    markEntered(std::find_if(writes.begin(), writes.end(), [](const Write& write) {
                    return write.operation == Operation::Copy;
                })->target);
    for (auto write = writes.begin(); write != writes.end(); ++write) {
        try {
            perform(*write);
        } catch (const RunTimeError&) {
            // The program goes on after a failed conversion, so no box may keep a figure of an
            // earlier one beside the figures of this one: what this run did not write is emptied.
            for (auto unwritten = write; unwritten != writes.end(); ++unwritten) {
                box(unwritten->target).setText("");
            }
            throw;
        }
    }
}

// All colours go first, so the highlight stands even when a later write fails. The colours
// tell the eye which box holds the entered value; the description tells a screen reader.
void frmMain::markEntered(Box entered) {
    for (int index = 0; index < readOutBoxes; ++index) {
        const Box readOut = static_cast<Box>(index);
        const bool isEntered = readOut == entered;
        box(readOut).setBackColor(isEntered ? colours::red : colours::buttonFace);
        box(readOut).setForeColor(isEntered ? colours::yellow : colours::buttonText);
        box(readOut).setDescription(isEntered ? enteredValue : "");
    }
}

void frmMain::perform(const Write& write) {
    const std::string source = box(write.source).text();
    if (write.operation == Operation::Copy) {
        box(write.target).setText(source);
        return;
    }
    const std::string& separator = application().services().decimalSeparator;
    const double value = numberReadFrom(source, separator);
    const double result =
        write.operation == Operation::Multiply ? value * write.factor : value / write.factor;
    box(write.target).setText(textOfResult(result, separator));
}

Control& frmMain::box(Box which) {
    return *boxes_[static_cast<int>(which)];
}

}  // namespace quantaro
