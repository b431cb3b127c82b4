#include "frame/handler_bindings.h"

#include "lookup/lookup.h"

namespace quorvel {
namespace {

void BindUnit(EventBindings& bindings, std::string_view unit,
              std::span<const EventBinding> events, const HandlerTable& handlers) {
  for (const EventBinding& binding : events) {
    const auto procedure = handlers.find(binding.handler);
    if (procedure != handlers.end()) bindings.Bind(unit, binding.event, procedure->second);
  }
}

}  // namespace

EventBindings BindHandlers(const WindowDesc& window, const HandlerTable& handlers) {
  EventBindings bindings;
  BindUnit(bindings, window.name, window.events, handlers);
  for (const ControlDesc& control : window.controls) {
    BindUnit(bindings, control.name, control.events, handlers);
  }
  return bindings;
}

HandlerTable ToolHandlers(TextProperty& boxes, ListFile& list) {
  return {
      {"OnWindowCreated", [&boxes, &list] { OnWindowCreated(boxes, list); }},
      {"OnListTextChanged", [&boxes, &list] { OnListTextChanged(boxes, list); }},
      {"OnQueryClicked", [&boxes] { OnQueryClicked(boxes); }},
  };
}

}  // namespace quorvel
