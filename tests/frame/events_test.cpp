#include "frame/events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/control_text_property.h"
#include "frame/memory_boxes.h"
#include "window/window_desc.h"

namespace quorvel {
namespace {

// Records which handler ran, as "source:event".
struct Journal {
  std::vector<std::string> runs;
  Handler Note(std::string what) {
    return [this, what] { runs.push_back(what); };
  }
};

EventBindings ToolBindings(Journal& journal) {
  EventBindings bindings;
  bindings.Bind(MainWindow, Event::Created, journal.Note("created"));
  bindings.Bind(编辑框2, Event::TextChanged, journal.Note("list changed"));
  bindings.Bind(按钮1, Event::Clicked, journal.Note("query clicked"));
  return bindings;
}

struct Notification {
  std::string_view source;
  Event event;
  const char* handler_run;  // nullptr when nothing is bound
};

const Notification kNotifications[] = {
    {MainWindow, Event::Created, "created"},
    {编辑框2, Event::TextChanged, "list changed"},
    {按钮1, Event::Clicked, "query clicked"},
    {编辑框1, Event::TextChanged, nullptr},
    {编辑框3, Event::TextChanged, nullptr},
    {MainWindow, Event::TextChanged, nullptr},
    {编辑框2, Event::Clicked, nullptr},
    {标签1, Event::Clicked, nullptr},
};

TEST(EventDispatcher, RunsOnlyTheBoundHandler) {
  for (const Notification& n : kNotifications) {
    Journal journal;
    EventDispatcher events(ToolBindings(journal), [](int) {});
    events.Raise(n.source, n.event);
    const std::vector<std::string> expected =
        n.handler_run ? std::vector<std::string>{n.handler_run} : std::vector<std::string>{};
    EXPECT_EQ(journal.runs, expected) << n.source;
  }
}

TEST(EventDispatcher, DropsEveryEventWhileBlockedAndNeverDeliversItLater) {
  Journal journal;
  EventDispatcher events(ToolBindings(journal), [](int) {});
  events.block().Raise();
  events.block().Raise();
  for (const Notification& n : kNotifications) events.Raise(n.source, n.event);
  events.block().Lower();
  for (const Notification& n : kNotifications) events.Raise(n.source, n.event);
  EXPECT_TRUE(journal.runs.empty());

  events.block().Lower();
  EXPECT_TRUE(journal.runs.empty());
  events.Raise(按钮1, Event::Clicked);
  EXPECT_EQ(journal.runs, std::vector<std::string>{"query clicked"});
}

TEST(EventDispatcher, SettingTextFlagSilencesOnlyThatBoxsChanges) {
  Journal journal;
  EventBindings bindings = ToolBindings(journal);
  bindings.Bind(编辑框1, Event::TextChanged, journal.Note("query changed"));
  EventDispatcher events(std::move(bindings), [](int) {});

  events.setting_text().Set(编辑框2);
  events.Raise(编辑框2, Event::TextChanged);
  events.Raise(编辑框1, Event::TextChanged);
  events.Raise(按钮1, Event::Clicked);
  events.setting_text().Clear(编辑框2);
  events.Raise(编辑框2, Event::TextChanged);

  EXPECT_EQ(journal.runs,
            (std::vector<std::string>{"query changed", "query clicked", "list changed"}));
}

TEST(EventDispatcher, DestroyingTheWindowRequestsQuitWithCodeZero) {
  std::vector<int> quit_codes;
  Journal journal;
  EventDispatcher events(ToolBindings(journal), [&](int code) { quit_codes.push_back(code); });
  events.WindowDestroyed();
  EXPECT_EQ(quit_codes, std::vector<int>{0});
  EXPECT_TRUE(journal.runs.empty());
}

// The frame around a set of in-memory boxes, with a count of the list box's
// text-changed events and the text each of them saw.
struct Frame {
  Journal journal;
  std::vector<Text> seen_by_handler;
  EventDispatcher events{Bindings(), [](int) {}};
  testing::MemoryBoxes boxes{events, {std::string(编辑框1)}};
  ControlTextProperty property{boxes, events.setting_text()};

  EventBindings Bindings() {
    EventBindings bindings;
    for (ControlName box : {编辑框1, 编辑框2, 编辑框3}) {
      bindings.Bind(box, Event::TextChanged, [this, box] {
        journal.runs.push_back(std::string(box));
        seen_by_handler.push_back(property.GetControlText(box));
      });
    }
    return bindings;
  }
};

TEST(ControlTextProperty, EachWriteRaisesExactlyOneEventAfterTheTextIsReplaced) {
  for (ControlName box : {编辑框1, 编辑框2, 编辑框3}) {  // single-line, then multi-line
    Frame frame;
    frame.property.SetControlText(box, Text("ab"));
    frame.property.SetControlText(box, Text("ab"));  // unchanged text
    frame.property.SetControlText(box, Text());
    EXPECT_EQ(frame.journal.runs, std::vector<std::string>(3, std::string(box)));
    EXPECT_EQ(frame.seen_by_handler, (std::vector<Text>{Text("ab"), Text("ab"), Text()}));
    EXPECT_FALSE(frame.events.setting_text().IsSet(box));
  }
}

TEST(ControlTextProperty, WriteWhileBlockedRaisesNothing) {
  Frame frame;
  frame.events.block().Raise();
  frame.property.SetControlText(编辑框2, Text("x"));
  EXPECT_TRUE(frame.journal.runs.empty());
  EXPECT_EQ(frame.property.GetControlText(编辑框2), Text("x"));
}

TEST(ControlTextProperty, CreatedHandlersWriteNestsTheListHandler) {
  Journal journal;
  ControlTextProperty* property = nullptr;
  EventBindings bindings;
  bindings.Bind(MainWindow, Event::Created, [&] {
    journal.runs.push_back("created: begin");
    property->SetControlText(编辑框2, Text("loaded"));
    journal.runs.push_back("created: end");
  });
  bindings.Bind(编辑框2, Event::TextChanged, [&] {
    journal.runs.push_back("list saved: " + std::string(property->GetControlText(编辑框2).bytes()));
  });
  EventDispatcher events(std::move(bindings), [](int) {});
  testing::MemoryBoxes boxes(events, {});
  ControlTextProperty text_property(boxes, events.setting_text());
  property = &text_property;

  events.Raise(MainWindow, Event::Created);

  EXPECT_EQ(journal.runs, (std::vector<std::string>{"created: begin", "list saved: loaded",
                                                     "created: end"}));
}

}  // namespace
}  // namespace quorvel
