#pragma once
// How a page reaches the window's commands: it switches them on and off by
// their action names ("ActPrint"). The window checks every name; one it has
// no command for is a programming error that stops the program at once,
// never a switch that silently does nothing.

#include <initializer_list>

namespace platform {

class Commands {
  public:
    virtual ~Commands() = default;
    virtual void setEnabled(std::initializer_list<const char*> names, bool on) = 0;
};

}  // namespace platform
