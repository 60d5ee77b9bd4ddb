#include "view_lines.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "markup.h"
#include "rich_edit_calls.h"

namespace quimbly::demohost {
namespace {

// A style over the view's own format: what the style leaves unset stays the view's.
CHARFORMAT2A FormatOf(const CHARFORMAT2A& own, const markup::Style& style) {
  CHARFORMAT2A format = own;
  format.cbSize = sizeof format;
  format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR | CFM_BACKCOLOR | CFM_FACE |
                  CFM_SIZE;
  format.dwEffects = (style.bold ? CFE_BOLD : 0) | (style.italic ? CFE_ITALIC : 0) |
                     (style.underline ? CFE_UNDERLINE : 0) | (style.strike ? CFE_STRIKEOUT : 0) |
                     (style.color ? 0 : CFE_AUTOCOLOR) | (style.back ? 0 : CFE_AUTOBACKCOLOR);
  if (style.color) format.crTextColor = RGB(style.color->red, style.color->green, style.color->blue);
  if (style.back) format.crBackColor = RGB(style.back->red, style.back->green, style.back->blue);
  if (!style.face.empty()) {
    size_t n = std::min(style.face.size(), sizeof format.szFaceName - 1);
    std::memcpy(format.szFaceName, style.face.data(), n);
    format.szFaceName[n] = '\0';
  }
  if (style.points != 0) format.yHeight = style.points * 20;  // twips
  return format;
}

// At the caret, which it leaves after the text.
void Insert(HWND view, CHARFORMAT2A format, const std::string& text) {
  CallRichEdit(view, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  CallRichEdit(view, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

// A rich edit ends a paragraph with a carriage return.
std::string Paragraphs(std::string text) {
  std::replace(text.begin(), text.end(), '\n', '\r');
  return text;
}

}  // namespace

void ShowLine(HWND view, const std::string& screenName, const std::string& line) {
  CHARFORMAT2A own{};
  own.cbSize = sizeof own;
  CallRichEdit(view, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&own));
  const CHARFORMAT2A plain = FormatOf(own, {});

  LONG end = TextLength(view);
  Select(view, end, end);
  Insert(view, plain, screenName + ": ");
  for (const markup::Run& run : markup::Render(line)) Insert(view, FormatOf(own, run.style), Paragraphs(run.text));
  // What is typed after it (into a box that is view and input at once) starts plain.
  Insert(view, plain, "\r");
  CallRichEdit(view, WM_VSCROLL, SB_BOTTOM, 0);
}

}  // namespace quimbly::demohost
