#include "frame/events.h"

namespace quorvel {

void EventBindings::Bind(std::string_view source, Event event, Handler handler) {
  handlers_.insert_or_assign({std::string(source), event}, std::move(handler));
}

const Handler* EventBindings::Find(std::string_view source, Event event) const {
  const auto found = handlers_.find(std::pair<std::string, Event>(source, event));
  return found == handlers_.end() ? nullptr : &found->second;
}

void SettingTextFlags::Clear(std::string_view box) {
  const auto found = boxes_.find(box);
  if (found != boxes_.end()) boxes_.erase(found);
}

void EventDispatcher::Raise(std::string_view source, Event event) {
  if (block_.blocked()) return;
  if (event == Event::TextChanged && setting_text_.IsSet(source)) return;
  if (const Handler* handler = bindings_.Find(source, event)) (*handler)();
}

}  // namespace quorvel
