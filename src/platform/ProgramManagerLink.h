#pragma once

#include <string>

namespace vorlane {

// The link to the desktop's program-group service: execute commands such as
// "[CreateGroup(Vorlane)]\r\n" or "[AddItem(path,title)]\r\n". Closed at first; opened on
// request only.
class ProgramManagerLink {
 public:
  virtual ~ProgramManagerLink() = default;
  // Connects to the service; false when none answers.
  virtual bool open() = 0;
  virtual bool isOpen() const = 0;
  virtual void close() = 0;
  // Sends one command; false when it cannot be sent (the link is closed, or the service
  // cannot carry it out).
  virtual bool execute(const std::string& command) = 0;
};

}  // namespace vorlane
