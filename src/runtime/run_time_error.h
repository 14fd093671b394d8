// Run-time errors of the forms runtime: a number, a description and what they were about. They
// travel as exceptions; handlers let them pass and the event dispatch boundary (Application::run)
// reports them in a message box. Only the system-information launcher handles one itself; the
// number readers and the conversion catch one just to add what it was about or to empty the
// boxes it leaves unwritten, and pass it on.
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
