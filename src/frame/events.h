// Delivering the window's events to their handlers: the block count, the
// bindings and the per-box setting-text flag.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "window/window_events.h"

namespace quorvel {

// One count for the whole process. While it is above 0 every event is
// dropped; nothing is kept to be delivered later.
class EventBlock {
 public:
  void Raise() { ++count_; }
  void Lower() { if (count_ > 0) --count_; }
  bool blocked() const { return count_ > 0; }

 private:
  int count_ = 0;
};

using Handler = std::function<void()>;

// Which handler runs for which (source, event); unbound pairs run nothing.
class EventBindings {
 public:
  void Bind(std::string_view source, Event event, Handler handler);
  const Handler* Find(std::string_view source, Event event) const;

 private:
  std::map<std::pair<std::string, Event>, Handler, std::less<>> handlers_;
};

// The boxes whose text is being replaced by a write of the text property.
// A change notification a box sends meanwhile is the platform's echo of
// that write, not a change of its own.
class SettingTextFlags {
 public:
  void Set(std::string_view box) { boxes_.emplace(box); }
  void Clear(std::string_view box);
  bool IsSet(std::string_view box) const { return boxes_.contains(box); }

 private:
  std::set<std::string, std::less<>> boxes_;
};

// The frame's side of the window's notifications: filters them by the block
// count and the setting-text flags, and runs the bound handler at once.
class EventDispatcher : public EventSink {
 public:
  using QuitRequest = std::function<void(int exit_code)>;

  EventDispatcher(EventBindings bindings, QuitRequest quit)
      : bindings_(std::move(bindings)), quit_(std::move(quit)) {}

  EventBlock& block() { return block_; }
  SettingTextFlags& setting_text() { return setting_text_; }

  void Raise(std::string_view source, Event event) override;
  // The quit request follows the destruction of the window, with code 0.
  void WindowDestroyed() override { quit_(0); }

 private:
  EventBindings bindings_;
  QuitRequest quit_;
  EventBlock block_;
  SettingTextFlags setting_text_;
};

}  // namespace quorvel
