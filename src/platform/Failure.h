#pragma once
// The program's failures. Each kind is a class whose name the error boxes show,
// so a report can say "... (EXmlError)" the way users and support know them.
#include <exception>
#include <string>

namespace pendra {

class Failure : public std::exception {
 public:
  explicit Failure(std::u16string message);
  const std::u16string& Message() const { return message_; }
  virtual const char16_t* TypeName() const = 0;
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  std::u16string message_;
  std::string utf8_;
};

// A kind of failure is a class that names itself:
//   class EXmlError : public Failure {
//   public:
//     using Failure::Failure;
//     const char16_t* TypeName() const override { return u"EXmlError"; }
//   };

// What the reports show of a thrown value that is no std::exception.
class UnknownFailure : public Failure {
 public:
  UnknownFailure() : Failure(u"Unknown exception") {}
  const char16_t* TypeName() const override { return u"Exception"; }
};

// How a report names any failure: the program's own kinds by their names, others as
// "EOutOfMemory" (allocation) or "Exception"; the message is the failure's own text.
std::u16string FailureTypeName(const std::exception& failure);
std::u16string FailureMessage(const std::exception& failure);

}  // namespace pendra
