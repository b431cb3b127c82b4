#include "frame/handler_bindings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/memory_boxes.h"
#include "storage/memory_file_layer.h"

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

// The tool's handlers bound from the window's descriptions, over in-memory
// boxes (编辑框1 single-line) and an in-memory list file.
struct InMemoryTool {
  explicit InMemoryTool(const std::string& stored) { files.Store(kListPath, stored); }

  static constexpr const char* kListPath = "C:\\games\\zhanghao.txt";
  testing::MemoryFileLayer files;
  ListFile list{Text("C:\\games"), files};
  EventDispatcher events{BindHandlers(kMainWindow, ToolHandlers(property, list)), [](int) {}};
  testing::MemoryBoxes boxes{events, {std::string(编辑框1)}};
  ControlTextProperty property{boxes, events.setting_text()};
};

TEST(ToolHandlers, CreatedEventLoadsTheListAndItsWriteSavesItAtOnce) {
  InMemoryTool tool("ab one\r\nab two");
  tool.boxes.texts[std::string(编辑框2)] = Text("design-time lines");
  tool.events.Raise(MainWindow, Event::Created);
  EXPECT_EQ(tool.boxes.texts[std::string(编辑框2)], Text("ab one\r\nab two"));
  EXPECT_EQ(tool.files.entries[InMemoryTool::kListPath].bytes, "ab one\r\nab two");
  EXPECT_EQ(std::count_if(tool.files.calls.begin(), tool.files.calls.end(),
                          [](const std::string& call) { return call.starts_with("CreateToWrite"); }),
            1);
}

TEST(ToolHandlers, NothingIsLoadedOrSavedWhileEventsAreBlocked) {
  InMemoryTool tool("ab one");
  tool.events.block().Raise();
  tool.boxes.texts[std::string(编辑框2)] = Text("design-time lines");
  tool.events.Raise(MainWindow, Event::Created);
  tool.events.Raise(编辑框2, Event::TextChanged);
  EXPECT_TRUE(tool.files.calls.empty());
  EXPECT_EQ(tool.boxes.texts[std::string(编辑框2)], Text("design-time lines"));
}

TEST(ToolHandlers, ClickPutsTheLastMatchIntoTheResultBoxAndSavesNothing) {
  InMemoryTool tool("ab one\r\ncd two\r\nab three");
  tool.events.Raise(MainWindow, Event::Created);
  tool.files.calls.clear();
  tool.property.SetControlText(编辑框1, Text(" ab "));
  tool.events.Raise(按钮1, Event::Clicked);
  EXPECT_EQ(tool.boxes.texts[std::string(编辑框3)], Text("ab three"));
  EXPECT_TRUE(tool.files.calls.empty());
}

}  // namespace
}  // namespace quorvel
