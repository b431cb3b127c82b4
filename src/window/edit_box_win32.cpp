// The edit-box creation step: an "EDIT" control with its own colours and
// brush, and for single-line boxes a frame that centres the text line.
#include <windows.h>
#include <windowsx.h>

#include <memory>

#include "window/controls_win32.h"
#include "window/gdi_win32.h"

namespace quorvel {
namespace {

constexpr std::string_view kTallestGlyph = "\xCE\xE2";  // 吴
constexpr std::string_view kLineGlyph = "W";

// What a box keeps for its whole life; freed with the box.
struct EditBoxState : ControlState {
  OwnedBrush background;
  int line_height = 0;
  // The parts of a single-line box's inside that are not its text line,
  // in window coordinates: painted as frame, never client.
  RECT top_band{};
  RECT bottom_band{};
};

// Indexed by ScrollBars, HorizontalAlignment, InputMode and LetterCase.
constexpr DWORD kScrollBarStyle[] = {0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL};
constexpr DWORD kAlignmentStyle[] = {ES_LEFT, ES_CENTER, ES_RIGHT};
constexpr DWORD kInputModeStyle[] = {0, ES_READONLY, ES_PASSWORD};
constexpr DWORD kLetterCaseStyle[] = {0, ES_UPPERCASE, ES_LOWERCASE};

// Without a horizontal scroll bar a multi-line box has no ES_AUTOHSCROLL, so
// its long lines wrap at the box's width.
DWORD LineStyle(const EditBoxProperties& box) {
  if (!box.multi_line) return ES_AUTOHSCROLL;
  DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (kScrollBarStyle[Index(box.scroll_bars)] & WS_HSCROLL) style |= ES_AUTOHSCROLL;
  return style;
}

DWORD EditBoxStyle(const ControlDesc& control) {
  const EditBoxProperties& box = control.edit_box;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | LineStyle(box) |
                kScrollBarStyle[Index(box.scroll_bars)] | kAlignmentStyle[Index(box.alignment)] |
                kInputModeStyle[Index(box.input_mode)] | kLetterCaseStyle[Index(box.letter_case)];
  if (control.tab_stop) style |= WS_TABSTOP;
  if (control.disabled) style |= WS_DISABLED;
  if (!box.hide_selection) style |= ES_NOHIDESEL;
  if (box.border == EditBorder::Single) style |= WS_BORDER;
  return style;
}

// Wine's edit control ignores an extended style added after creation, so
// the sunken edge is there from the start.
DWORD EditBoxExStyle(const EditBoxProperties& box) {
  return box.border == EditBorder::Sunken ? WS_EX_CLIENTEDGE : 0;
}

int TextHeight(HWND box, std::string_view sample) {
  WindowDc dc(box);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
  SelectedObject selected(dc.get(), font);
  SIZE size{};
  GetTextExtentPoint32A(dc.get(), sample.data(), static_cast<int>(sample.size()), &size);
  return size.cy;
}

// A single-line box lower than its font needs is made that high, keeping
// its top-left corner and its width.
void EnsureMinimumHeight(HWND box, const ControlDesc& control) {
  const int minimum = TextHeight(box, kTallestGlyph) + 2 * GetSystemMetrics(SM_CYEDGE);
  if (control.height < minimum) {
    MoveWindow(box, control.left, control.top, control.width, minimum, FALSE);
  }
}

RECT Offset(RECT rect, const RECT& origin) {
  OffsetRect(&rect, -origin.left, -origin.top);
  return rect;
}

// The platform's frame, then the inside cut down to one centred text line.
// The rectangle is the window's on entry and the client's on return.
LRESULT CentreTextLine(HWND box, WPARAM wparam, LPARAM lparam, EditBoxState& state) {
  RECT* rect = reinterpret_cast<RECT*>(lparam);
  const RECT window = *rect;
  const LRESULT result = CallOwnProcedure(box, WM_NCCALCSIZE, wparam, lparam);
  const RECT inside = *rect;
  const int spare = (inside.bottom - inside.top) - state.line_height;
  if (spare > 0) {
    rect->top = inside.top + spare / 2;
    rect->bottom = rect->top + state.line_height;
  }
  state.top_band = Offset({inside.left, inside.top, inside.right, rect->top}, window);
  state.bottom_band = Offset({inside.left, rect->bottom, inside.right, inside.bottom}, window);
  return result;
}

void PaintBands(HWND box, const EditBoxState& state) {
  WindowDc dc(box, WindowDc::kWhole);
  FillRect(dc.get(), &state.top_band, state.background.get());
  FillRect(dc.get(), &state.bottom_band, state.background.get());
}

// A click in a band is a click on the frame, so it never places the caret.
LRESULT HitTest(HWND box, LPARAM lparam, const EditBoxState& state) {
  RECT window{};
  GetWindowRect(box, &window);
  const POINT point{GET_X_LPARAM(lparam) - window.left, GET_Y_LPARAM(lparam) - window.top};
  if (PtInRect(&state.top_band, point) || PtInRect(&state.bottom_band, point)) return HTBORDER;
  return CallOwnProcedure(box, WM_NCHITTEST, 0, lparam);
}

LRESULT AnswerColours(HDC dc, const EditBoxState& state) {
  SetTextColor(dc, ColourRef(state.desc->edit_box.text_colour));
  SetBkColor(dc, ColourRef(state.desc->edit_box.background));
  return reinterpret_cast<LRESULT>(state.background.get());
}

LRESULT CALLBACK EditBoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (AnswerControlMessage(box, message, wparam, EN_CHANGE, Event::TextChanged, result)) {
    return result;
  }
  auto& state = static_cast<EditBoxState&>(ControlStateOf(box));
  const bool single_line = !state.desc->edit_box.multi_line;
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return AnswerColours(reinterpret_cast<HDC>(wparam), state);
    case WM_NCCALCSIZE:
      if (single_line) return CentreTextLine(box, wparam, lparam, state);
      break;
    case WM_NCPAINT:
      if (single_line) {
        result = CallOwnProcedure(box, message, wparam, lparam);
        PaintBands(box, state);
        return result;
      }
      break;
    case WM_NCHITTEST:
      if (single_line) return HitTest(box, lparam, state);
      break;
  }
  return CallOwnProcedure(box, message, wparam, lparam);
}

void SetUpEditing(HWND box, const EditBoxProperties& properties) {
  SendMessageA(box, EM_LIMITTEXT, static_cast<WPARAM>(properties.max_length), 0);
  if (properties.input_mode == InputMode::Password) {
    SendMessageA(box, EM_SETPASSWORDCHAR, static_cast<unsigned char>(properties.password_character), 0);
  }
  SendMessageA(box, EM_SETSEL, static_cast<WPARAM>(properties.selection_start),
               static_cast<LPARAM>(properties.selection_start + properties.selection_length));
  SendMessageA(box, EM_SCROLLCARET, 0, 0);
}

}  // namespace

HWND CreateEditBox(const ControlDesc& control, HWND parent, int id) {
  const EditBoxProperties& properties = control.edit_box;
  HWND box = CreateChildWindow(control, parent, id, "EDIT", EditBoxStyle(control),
                               EditBoxExStyle(properties));
  if (!box) return nullptr;
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(StockFontHandle(properties.font)), FALSE);
  if (!properties.multi_line) EnsureMinimumHeight(box, control);
  SetUpEditing(box, properties);
  // The brush goes with the box: the state is freed when the box is.
  auto state = std::make_unique<EditBoxState>();
  state->desc = &control;
  state->background = OwnedBrush(CreateSolidBrush(ColourRef(properties.background)));
  state->line_height = TextHeight(box, kLineGlyph);
  Subclass(box, std::move(state), EditBoxProc);
  // The frame is computed again, now through the subclass.
  SetWindowPos(box, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return box;
}

}  // namespace quorvel
