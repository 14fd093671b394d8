// Run-time errors of the forms runtime. They travel as exceptions to the event dispatch boundary
// (application.h), which reports them. On the way the number reader and writer tell what one
// was about, and a failed conversion empties the boxes it did not write before passing it on;
// only the system-information launcher settles one itself.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace quantaro {

class RunTimeError : public std::runtime_error {
  public:
    RunTimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    int number() const { return number_; }
    std::string description() const { return what(); }
    // The same error, told what it was about, in a sentence for the user.
    RunTimeError about(std::string detail) const {
        RunTimeError told = *this;
        told.detail_ = std::move(detail);
        return told;
    }
    // What the user is told: the description, then what it was about where that is known
    // ('Type mismatch: "abc" is not a number.').
    std::string report() const {
        return detail_.empty() ? description() : description() + ": " + detail_;
    }

    static RunTimeError invalidArgument() { return {5, "Invalid procedure call or argument"}; }
    static RunTimeError overflow() { return {6, "Overflow"}; }
    static RunTimeError typeMismatch() { return {13, "Type mismatch"}; }
    static RunTimeError fileNotFound() { return {53, "File not found"}; }
    static RunTimeError noSuchControl() { return {340, "Control array element does not exist"}; }
    static RunTimeError notSupported() {
        return {438, "Object doesn't support this property or method"};
    }

  private:
    int number_;
    std::string detail_;
};

}  // namespace quantaro
