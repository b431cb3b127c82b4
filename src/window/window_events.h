// The events that the window and its controls raise, and the seam through
// which they leave the window code.
#pragma once

#include <string_view>

namespace quorvel {

enum class Event { Created, TextChanged, Clicked };

// A bound event: `handler` names the procedure that the frame runs for it.
struct EventBinding {
  Event event;
  std::string_view handler;

  friend bool operator==(const EventBinding&, const EventBinding&) = default;
};

// Receives every event the window and its controls raise. The window code
// never filters: it reports each notification, and the receiver decides
// whether a handler runs.
class EventSink {
 public:
  virtual ~EventSink() = default;

  // `source` is the unit's name: "MainWindow" or a control's name.
  virtual void Raise(std::string_view source, Event event) = 0;

  // The main window is being destroyed, together with its controls.
  virtual void WindowDestroyed() = 0;
};

}  // namespace quorvel
