// The static description of the main window and its five controls. Nothing
// here changes at run time; the creation steps read it to build the window.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "text/text_property.h"
#include "window/window_events.h"

namespace quorvel {

// The window's own name, the source of its created event.
inline constexpr std::string_view MainWindow = "MainWindow";
inline constexpr ControlName 标签1 = "标签1";  // the label "首字" before the query box
inline constexpr ControlName 按钮1 = "按钮1";  // the query button "查询"

// Either a fixed RGB colour or the system's button-face colour, which
// follows the user's colour scheme.
struct Colour {
  bool button_face = false;
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kBlack{};
inline constexpr Colour kWhite{.red = 255, .green = 255, .blue = 255};
inline constexpr Colour kButtonFace{.button_face = true};

enum class StockFont { DefaultGui };
enum class HorizontalAlignment { Left, Centre, Right };
enum class VerticalAlignment { Top, Centre, Bottom };

enum class WindowBorder { Fixed, Sizable };
enum class StartPosition { AsDesigned, Centred };

// The creation step builds what each field says where this window departs
// from a plain top-level window; the fields that would need a picture, music,
// an icon file, a window region, client-area dragging or an always-active
// title bar only record that this window has none of those.
struct WindowProperties {
  WindowBorder border = WindowBorder::Fixed;
  bool control_box = true;
  bool maximise_button = false;
  bool minimise_button = true;
  StartPosition start_position = StartPosition::Centred;
  bool movable = true;
  Colour background = kButtonFace;
  // Files the window would show or play; this window has none.
  std::string_view background_picture;
  std::string_view background_music;
  // An icon file of the window's own; without one the window takes the
  // executable's icon resource kExecutableIcon.
  std::string_view icon;
  bool enter_moves_focus = false;
  bool esc_closes = true;
  bool f1_opens_help = false;
  bool show_in_taskbar = true;
  bool drag_by_client_area = false;
  bool rectangular = true;
  bool always_on_top = false;
  bool keep_title_active = false;

  friend bool operator==(const WindowProperties&, const WindowProperties&) = default;
};

inline constexpr std::string_view kExecutableIcon = "DEFAULT_ICON";

enum class ControlKind { EditBox, Label, Button };

enum class ScrollBars { None, Horizontal, Vertical, Both };
enum class EditBorder { None, Single, Sunken };
enum class InputMode { Normal, ReadOnly, Password };
enum class LetterCase { Unchanged, Upper, Lower };

// The defaults are the single-line query box's properties, so a box that
// gives none is exactly that box.
struct EditBoxProperties {
  bool multi_line = false;
  ScrollBars scroll_bars = ScrollBars::None;
  EditBorder border = EditBorder::Sunken;
  Colour text_colour = kBlack;
  Colour background = kWhite;
  StockFont font = StockFont::DefaultGui;
  HorizontalAlignment alignment = HorizontalAlignment::Left;
  InputMode input_mode = InputMode::Normal;
  std::int32_t max_length = 0;  // 0 is the platform's maximum
  bool hide_selection = true;
  LetterCase letter_case = LetterCase::Unchanged;
  bool spin_buttons = false;  // no box has them, so none are built
  std::int32_t selection_start = 0;
  std::int32_t selection_length = 0;
  char password_character = '*';

  friend bool operator==(const EditBoxProperties&, const EditBoxProperties&) = default;
};

struct LabelProperties {
  HorizontalAlignment horizontal = HorizontalAlignment::Left;
  VerticalAlignment vertical = VerticalAlignment::Centre;
  bool word_wrap = false;
  Colour text_colour = kBlack;
  Colour background = kButtonFace;
  StockFont font = StockFont::DefaultGui;

  friend bool operator==(const LabelProperties&, const LabelProperties&) = default;
};

enum class ButtonType { Normal, Default };

struct ButtonProperties {
  ButtonType type = ButtonType::Normal;
  HorizontalAlignment horizontal = HorizontalAlignment::Centre;
  VerticalAlignment vertical = VerticalAlignment::Centre;
  StockFont font = StockFont::DefaultGui;

  friend bool operator==(const ButtonProperties&, const ButtonProperties&) = default;
};

// Positions are in the window's client area; sizes include the border.
// Only the properties of the control's own kind are read.
struct ControlDesc {
  ControlName name;
  ControlKind kind = ControlKind::EditBox;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::string_view text;  // GBK bytes
  bool visible = true;
  bool disabled = false;
  bool tab_stop = true;
  std::int32_t tab_order = 0;
  std::span<const EventBinding> events;
  EditBoxProperties edit_box;
  LabelProperties label;
  ButtonProperties button;
};

// Position and size are the outer rectangle, frame and title bar included.
struct WindowDesc {
  std::string_view name;
  std::string_view caption;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool visible = true;
  WindowProperties properties;
  std::span<const EventBinding> events;
  std::span<const ControlDesc> controls;  // in record order, topmost first
};

// What the list box shows before the list file replaces it: twelve lines of
// our own, never seen by the user and never saved.
inline constexpr std::string_view kListBoxSampleText =
    "\xC7\xE5\xB3\xBF\xB5\xC4\xB7\xE7\xB4\xB5\xB9\xFD\xD0\xA1\xCA\xAF\xC7\xC5"  // 清晨的风吹过小石桥
    "\r\n\xB4\xB0\xCC\xA8\xC9\xCF\xB5\xC4\xBB\xA8\xC3\xA8\xD4\xDA\xB4\xF2\xED\xEF"  // 窗台上的花猫在打盹
    "\r\n\xD3\xEA\xB5\xE3\xC7\xC3\xD7\xC5\xBE\xC9\xCC\xFA\xC6\xA4\xCE\xDD\xB6\xA5"  // 雨点敲着旧铁皮屋顶
    "\r\n\xCE\xD2\xB0\xD1\xB5\xD8\xCD\xBC\xD5\xDB\xB3\xC9\xD2\xBB\xD6\xBB\xD6\xBD\xB4\xAC"  // 我把地图折成一只纸船
    "\r\n\xB5\xC6\xCB\xFE\xD4\xDA\xD4\xB6\xB4\xA6\xC2\xFD\xC2\xFD\xD5\xA3\xD1\xDB"  // 灯塔在远处慢慢眨眼
    "\r\n\xB2\xCB\xCA\xD0\xB3\xA1\xB5\xC4\xDF\xBA\xBA\xC8\xC9\xF9\xB4\xCB\xC6\xF0\xB1\xCB\xB7\xFC"  // 菜市场的吆喝声此起彼伏
    "\r\n\xD6\xD3\xB1\xED\xBD\xB3\xD0\xDE\xBA\xC3\xC1\xCB\xD7\xEE\xBA\xF3\xD2\xBB\xBF\xE9\xB1\xED"  // 钟表匠修好了最后一块表
    "\r\n\xCA\xAF\xBD\xD7\xD2\xBB\xBC\xB6\xD2\xBB\xBC\xB6\xC5\xC0\xBD\xF8\xD4\xC6\xC0\xEF"  // 石阶一级一级爬进云里
    "\r\n\xBD\xF1\xCC\xEC\xB5\xC4\xB6\xB9\xBD\xAC\xD3\xD0\xB5\xE3\xCC\xCC"  // 今天的豆浆有点烫
    "\r\n\xD3\xCA\xB2\xEE\xC6\xEF\xB3\xB5\xB4\xA9\xB9\xFD\xD5\xFB\xCC\xF5\xB3\xA4\xBD\xD6"  // 邮差骑车穿过整条长街
    "\r\n\xD0\xC7\xD0\xC7\xC2\xE4\xBD\xF8\xBE\xAE\xC0\xEF\xB2\xBB\xBC\xFB\xC1\xCB"  // 星星落进井里不见了
    "\r\n\xC3\xF7\xCC\xEC\xD4\xD9\xC0\xB4\xCA\xFD\xD2\xBB\xCA\xFD\xD4\xC2\xC1\xC1";  // 明天再来数一数月亮

inline constexpr EventBinding kMainWindowEvents[] = {{Event::Created, "OnWindowCreated"}};
inline constexpr EventBinding kListBoxEvents[] = {{Event::TextChanged, "OnListTextChanged"}};
inline constexpr EventBinding kQueryButtonEvents[] = {{Event::Clicked, "OnQueryClicked"}};

inline constexpr EditBoxProperties kMultiLineBox{.multi_line = true};

inline constexpr ControlDesc kMainWindowControls[] = {
    {.name = 编辑框3, .kind = ControlKind::EditBox,
     .left = 240, .top = 280, .width = 192, .height = 40,
     .edit_box = kMultiLineBox},
    {.name = 编辑框1, .kind = ControlKind::EditBox,
     .left = 48, .top = 288, .width = 80, .height = 20},
    {.name = 标签1, .kind = ControlKind::Label,
     .left = 8, .top = 285, .width = 80, .height = 24,
     .text = "\xCA\xD7\xD7\xD6",  // 首字
     .tab_stop = false},
    {.name = 编辑框2, .kind = ControlKind::EditBox,
     .left = 0, .top = 8, .width = 440, .height = 264,
     .text = kListBoxSampleText, .events = kListBoxEvents,
     .edit_box = kMultiLineBox},
    {.name = 按钮1, .kind = ControlKind::Button,
     .left = 144, .top = 280, .width = 80, .height = 32,
     .text = "\xB2\xE9\xD1\xAF",  // 查询
     .events = kQueryButtonEvents},
};

inline constexpr WindowDesc kMainWindow{
    .name = MainWindow,
    .caption = "Quorvel  quorvel.example",
    .left = 50, .top = 50, .width = 444, .height = 357,
    .events = kMainWindowEvents,
    .controls = kMainWindowControls,
};

}  // namespace quorvel
