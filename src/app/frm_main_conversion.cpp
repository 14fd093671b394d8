// The six conversion routines. They differ only in the order of their six writes, so each is a
// row of writes run by one procedure. Every computed write reads the text its source box shows
// at that moment, never a number carried over: the 15 digits a box shows are what the next
// box is computed from.
#include <array>

#include "app/frm_main.h"
#include "runtime/colour.h"
#include "runtime/number_text.h"

namespace quantaro {

namespace {

constexpr double bitsPerByte = 8.0;
constexpr double perStep = 1024.0;

}  // namespace

void frmMain::SubBits() {
    static constexpr Write writes[] = {
        {Box::Bits, Box::Unit, Operation::Copy, 0},
        {Box::Bytes, Box::Bits, Operation::Divide, bitsPerByte},
        {Box::Killobytes, Box::Bytes, Operation::Divide, perStep},
        {Box::Megabytes, Box::Killobytes, Operation::Divide, perStep},
        {Box::Gigabytes, Box::Megabytes, Operation::Divide, perStep},
        {Box::Terrabytes, Box::Gigabytes, Operation::Divide, perStep},
    };
    convert(Box::Bits, writes);
}

// The one routine that converts before it copies: bits come straight from the value box.
void frmMain::SubBytes() {
    static constexpr Write writes[] = {
        {Box::Bits, Box::Unit, Operation::Multiply, bitsPerByte},
        {Box::Bytes, Box::Unit, Operation::Copy, 0},
        {Box::Killobytes, Box::Bytes, Operation::Divide, perStep},
        {Box::Megabytes, Box::Killobytes, Operation::Divide, perStep},
        {Box::Gigabytes, Box::Megabytes, Operation::Divide, perStep},
        {Box::Terrabytes, Box::Gigabytes, Operation::Divide, perStep},
    };
    convert(Box::Bytes, writes);
}

void frmMain::SubKillobytes() {
    static constexpr Write writes[] = {
        {Box::Killobytes, Box::Unit, Operation::Copy, 0},
        {Box::Bytes, Box::Killobytes, Operation::Multiply, perStep},
        {Box::Bits, Box::Bytes, Operation::Multiply, bitsPerByte},
        {Box::Megabytes, Box::Killobytes, Operation::Divide, perStep},
        {Box::Gigabytes, Box::Megabytes, Operation::Divide, perStep},
        {Box::Terrabytes, Box::Gigabytes, Operation::Divide, perStep},
    };
    convert(Box::Killobytes, writes);
}

void frmMain::SubMegabytes() {
    static constexpr Write writes[] = {
        {Box::Megabytes, Box::Unit, Operation::Copy, 0},
        {Box::Killobytes, Box::Megabytes, Operation::Multiply, perStep},
        {Box::Bytes, Box::Killobytes, Operation::Multiply, perStep},
        {Box::Bits, Box::Bytes, Operation::Multiply, bitsPerByte},
        {Box::Gigabytes, Box::Megabytes, Operation::Divide, perStep},
        {Box::Terrabytes, Box::Gigabytes, Operation::Divide, perStep},
    };
    convert(Box::Megabytes, writes);
}

void frmMain::SubGigabytes() {
    static constexpr Write writes[] = {
        {Box::Gigabytes, Box::Unit, Operation::Copy, 0},
        {Box::Megabytes, Box::Gigabytes, Operation::Multiply, perStep},
        {Box::Killobytes, Box::Megabytes, Operation::Multiply, perStep},
        {Box::Bytes, Box::Killobytes, Operation::Multiply, perStep},
        {Box::Bits, Box::Bytes, Operation::Multiply, bitsPerByte},
        {Box::Terrabytes, Box::Gigabytes, Operation::Divide, perStep},
    };
    convert(Box::Gigabytes, writes);
}

void frmMain::SubTerrabytes() {
    static constexpr Write writes[] = {
        {Box::Terrabytes, Box::Unit, Operation::Copy, 0},
        {Box::Gigabytes, Box::Terrabytes, Operation::Multiply, perStep},
        {Box::Megabytes, Box::Gigabytes, Operation::Multiply, perStep},
        {Box::Killobytes, Box::Megabytes, Operation::Multiply, perStep},
        {Box::Bytes, Box::Killobytes, Operation::Multiply, perStep},
        {Box::Bits, Box::Bytes, Operation::Multiply, bitsPerByte},
    };
    convert(Box::Terrabytes, writes);
}

void frmMain::convert(Box entered, Writes writes) {
    if (txtUnit->text().empty()) {
        application().msgBox("Insert a value", msgbox::exclamation);
        txtUnit->setFocus();
        return;
    }
    // All colours go first, so the highlight stands even when a later write fails.
    for (Box readOut : {Box::Bits, Box::Bytes, Box::Killobytes, Box::Megabytes, Box::Gigabytes,
                        Box::Terrabytes}) {
        const bool isEntered = readOut == entered;
        box(readOut)->setBackColor(isEntered ? colours::red : colours::buttonFace);
        box(readOut)->setForeColor(isEntered ? colours::yellow : colours::buttonText);
    }
    for (const Write& write : writes) {
        perform(write);
    }
}

void frmMain::perform(const Write& write) {
    const std::string source = box(write.source)->text();
    if (write.operation == Operation::Copy) {
        box(write.target)->setText(source);
        return;
    }
    const std::string& separator = application().services().decimalSeparator;
    const double value = numberFromText(source, separator);
    const double result = checkedResult(
        write.operation == Operation::Multiply ? value * write.factor : value / write.factor);
    box(write.target)->setText(textFromNumber(result, separator));
}

ControlRef& frmMain::box(Box which) {
    switch (which) {
        case Box::Bits:
            return txtBits;
        case Box::Bytes:
            return txtBytes;
        case Box::Killobytes:
            return txtKillobytes;
        case Box::Megabytes:
            return txtMegabytes;
        case Box::Gigabytes:
            return txtGigabytes;
        case Box::Terrabytes:
            return txtTerrabytes;
        case Box::Unit:
            break;
    }
    return txtUnit;
}

}  // namespace quantaro
