// What the window reports to the frame: the events of its units, by name.
// Stands in until the window subsystem offers this interface itself.
#pragma once

#include <string_view>

namespace quorvel {

enum class Event { Created, TextChanged, Clicked };

class EventSink {
 public:
  virtual ~EventSink() = default;
  // Called for every change or click notification a control receives,
  // unfiltered; the sink decides whether a handler runs.
  virtual void Raise(std::string_view source, Event event) = 0;
  // Called when the main window is being destroyed.
  virtual void WindowDestroyed() = 0;
};

}  // namespace quorvel
