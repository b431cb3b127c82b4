#include "frame/handler_bindings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

TEST(BindHandlers, MainWindowBindsExactlyItsThreeHandlers) {
  std::vector<std::string> runs;
  HandlerTable handlers;
  for (const char* name : {"OnWindowCreated", "OnListTextChanged", "OnQueryClicked"}) {
    handlers.emplace(name, [&runs, name] { runs.push_back(name); });
  }
  const EventBindings bindings = BindHandlers(kMainWindow, handlers);

  struct Bound {
    std::string_view unit;
    Event event;
    const char* handler;
  };
  const Bound expected[] = {
      {MainWindow, Event::Created, "OnWindowCreated"},
      {编辑框2, Event::TextChanged, "OnListTextChanged"},
      {按钮1, Event::Clicked, "OnQueryClicked"},
  };
  std::vector<std::string_view> units{MainWindow};
  for (const ControlDesc& control : kMainWindow.controls) units.push_back(control.name);

  for (std::string_view unit : units) {
    for (Event event : {Event::Created, Event::TextChanged, Event::Clicked}) {
      runs.clear();
      if (const Handler* handler = bindings.Find(unit, event)) (*handler)();
      std::vector<std::string> want;
      for (const Bound& bound : expected) {
        if (bound.unit == unit && bound.event == event) want.push_back(bound.handler);
      }
      EXPECT_EQ(runs, want) << unit << " event " << static_cast<int>(event);
    }
  }
}

TEST(BindHandlers, NameWithoutProcedureStaysUnbound) {
  const EventBindings bindings = BindHandlers(kMainWindow, {{"OnQueryClicked", [] {}}});
  EXPECT_NE(bindings.Find(按钮1, Event::Clicked), nullptr);
  EXPECT_EQ(bindings.Find(MainWindow, Event::Created), nullptr);
  EXPECT_EQ(bindings.Find(编辑框2, Event::TextChanged), nullptr);
}

}  // namespace
}  // namespace quorvel
