// fit-probe: tells the end-to-end tests whether Quimbly's texts fit their
// controls at this display's DPI. It lays each form's labels and text boxes
// out as the program does, draws nothing, and measures every caption and
// text with the program's own font at that DPI.
//   fit-probe.exe
//     first line: dpi=<the display's DPI> em=<the font's em height in pixels>
//     then one line per text: <form> <control> "<text>" <text width> <= <room>
//     exit status 1 when a text is wider than its room, 2 on a failure
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/rules/display_scale.h"
#include "platform/win32/dpi.h"
#include "platform/win32/newer_functions.h"
#include "platform/win32/text.h"
#include "platform/win32/text_box.h"
#include "platform/win32/ui_font.h"
#include "shell/layouts/form1_layout.h"
#include "shell/layouts/form3_layout.h"
#include "shell/layouts/form4_layout.h"

namespace {

using namespace quimbly::platform;
using namespace quimbly::platform::win32;

// A text box raises no event here: nothing is typed.
class NoEvents final : public FormEvents {
 public:
  std::vector<EventBinding> Bindings() const override { return {}; }
  void Raise(std::string_view, Event, int&) override {}
};

int TextWidth(HDC dc, const std::string& text) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// The room a text box leaves its text: its formatting rectangle, as the
// system's edit control works it out for the box's size, edge and font.
int TextBoxRoom(const ControlLayout& layout, HWND parent, const DisplayScale& scale, HFONT font) {
  NoEvents events;
  TextBoxControl box(layout, parent, events);
  box.LayOut(scale, font);
  RECT format{};
  SendMessageA(box.hwnd(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  return format.right - format.left;
}

}  // namespace

int main() {
  // Without a manifest, Vista and later would tell the probe 96 whatever the display.
  if (const auto aware = LookUp<BOOL(WINAPI*)()>("user32.dll", "SetProcessDPIAware")) aware();
  const int dpi = SystemDpi();
  const DisplayScale scale(dpi);
  const UiFont font(dpi);
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  HDC dc = GetDC(parent);
  if (parent == nullptr || dc == nullptr) return 2;
  SelectObject(dc, font.handle());
  // The em height, as GDI made the font: the cell without its internal leading.
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  std::printf("dpi=%d em=%ld\n", dpi, metrics.tmHeight - metrics.tmInternalLeading);
  int cut = 0;
  for (const FormLayout& form : {quimbly::shell::Form1Layout(), quimbly::shell::Form3Layout(),
                                 quimbly::shell::Form4Layout()}) {
    for (const ControlLayout& c : form.controls) {
      if (c.text.empty() || (c.kind != ControlKind::Label && c.kind != ControlKind::TextBox)) continue;
      const std::string text = ToCodePage(c.text);
      const int width = TextWidth(dc, text);
      const int room = c.kind == ControlKind::Label ? scale.Rect(c.twips).Width()
                                                    : TextBoxRoom(c, parent, scale, font.handle());
      std::printf("%.*s %.*s \"%s\" %d <= %d\n", static_cast<int>(form.name.size()), form.name.data(),
                  static_cast<int>(c.name.size()), c.name.data(), text.c_str(), width, room);
      if (width > room) ++cut;
    }
  }
  ReleaseDC(parent, dc);
  DestroyWindow(parent);
  std::fflush(stdout);
  return cut == 0 ? 0 : 1;
}
