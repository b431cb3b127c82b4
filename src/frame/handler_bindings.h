// Binding the handlers the window's descriptions name to the procedures
// that carry those names.
#pragma once

#include <map>
#include <string_view>

#include "frame/events.h"
#include "storage/list_file.h"
#include "text/text_property.h"
#include "window/window_desc.h"

namespace quorvel {

using HandlerTable = std::map<std::string_view, Handler, std::less<>>;

// The window's and each control's bound events, each to the procedure of its
// handler's name; a name without a procedure leaves its event unbound.
EventBindings BindHandlers(const WindowDesc& window, const HandlerTable& handlers);

// The tool's handlers by their names, over the given boxes and list file.
HandlerTable ToolHandlers(TextProperty& boxes, ListFile& list);

}  // namespace quorvel
