#include "view_lines.h"

#include <richedit.h>

#include <algorithm>
#include <string>
#include <vector>

#include "markup.h"
#include "rich_edit_calls.h"

namespace quimbly::demohost {
namespace {

// The runs go to the control as one piece of RTF, each run's style in its
// control words. Run by run (a CHARFORMAT2 and a replaced selection each),
// the control lays the whole paragraph out again after every run, and a
// long line of many runs took minutes; streamed in, it is laid out once.
class RtfParagraph {
 public:
  explicit RtfParagraph(const CHARFORMAT2A& own)
      : ownFace_(own.szFaceName), ownHalfPoints_(static_cast<int>(own.yHeight / 10)) {}

  void Add(const markup::Style& style, const std::string& text) {
    body_ += "\\plain\\f" + std::to_string(FontIndex(style.face.empty() ? ownFace_ : style.face));
    body_ += "\\fs" + std::to_string(style.points ? style.points * 2 : ownHalfPoints_);
    if (style.color) body_ += "\\cf" + std::to_string(ColorIndex(*style.color));
    if (style.back) body_ += "\\highlight" + std::to_string(ColorIndex(*style.back));
    if (style.bold) body_ += "\\b";
    if (style.italic) body_ += "\\i";
    if (style.underline) body_ += "\\ul";
    if (style.strike) body_ += "\\strike";
    body_ += ' ';
    AddText(text);
  }

  // The whole paragraph, its end included.
  std::string Rtf() const {
    std::string rtf = "{\\rtf1\\ansi\\uc1{\\fonttbl";
    for (size_t k = 0; k < fonts_.size(); ++k) rtf += "{\\f" + std::to_string(k) + "\\fnil " + fonts_[k] + ";}";
    rtf += "}{\\colortbl;";
    for (const markup::Color& c : colors_)
      rtf += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" + std::to_string(c.blue) +
             ";";
    return rtf + "}" + body_ + "\\plain\\f0\\fs" + std::to_string(ownHalfPoints_) + "\\par}";
  }

 private:
  size_t FontIndex(const std::string& face) {
    auto at = std::find(fonts_.begin(), fonts_.end(), face);
    if (at == fonts_.end()) at = fonts_.insert(fonts_.end(), face);
    return static_cast<size_t>(at - fonts_.begin());
  }
  // Entry 0 of the table is the view's own colour.
  size_t ColorIndex(const markup::Color& color) {
    auto at = std::find(colors_.begin(), colors_.end(), color);
    if (at == colors_.end()) at = colors_.insert(colors_.end(), color);
    return static_cast<size_t>(at - colors_.begin()) + 1;
  }
  // Every character beyond ASCII as \uN, so the system's code page decides what it is.
  void AddText(const std::string& text) {
    if (text.empty()) return;
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    for (wchar_t c : wide) {
      if (c == L'\n') {
        body_ += "\\par ";
      } else if (c == L'\t') {
        body_ += "\\tab ";
      } else if (c == L'\\' || c == L'{' || c == L'}') {
        body_ += '\\';
        body_ += static_cast<char>(c);
      } else if (c < 0x80) {
        body_ += static_cast<char>(c);
      } else {
        body_ += "\\u" + std::to_string(static_cast<short>(c)) + "?";
      }
    }
  }

  std::string ownFace_;
  int ownHalfPoints_;
  std::vector<std::string> fonts_{ownFace_};  // \f0 is the view's own face
  std::vector<markup::Color> colors_;
  std::string body_;
};

// Wine's rich edit spends time on every script run of a line (each stretch
// of letters, digits or punctuation), and more per run the longer the
// paragraph. A line shows 4 000 characters of itself, more than the view
// holds at once, and an ellipsis; the transcript keeps it all.
constexpr size_t kShownCharacters = 4000;

std::vector<markup::Run> Clipped(std::vector<markup::Run> runs) {
  size_t shown = 0;
  for (size_t k = 0; k < runs.size(); ++k) {
    if (shown + runs[k].text.size() > kShownCharacters) {
      runs[k].text.resize(kShownCharacters - shown);
      runs[k].text += "...";
      runs.resize(k + 1);
      break;
    }
    shown += runs[k].text.size();
  }
  return runs;
}

struct Source {
  const std::string& text;
  size_t at = 0;
};

DWORD CALLBACK ReadSource(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* got) {
  auto* source = reinterpret_cast<Source*>(cookie);
  size_t n = std::min(static_cast<size_t>(size), source->text.size() - source->at);
  std::copy_n(source->text.data() + source->at, n, buffer);
  source->at += n;
  *got = static_cast<LONG>(n);
  return 0;
}

}  // namespace

void ShowLine(HWND view, const std::string& screenName, const std::string& line) {
  CHARFORMAT2A own{};
  own.cbSize = sizeof own;
  CallRichEdit(view, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&own));
  RtfParagraph paragraph(own);
  paragraph.Add({}, screenName + ": ");
  for (const markup::Run& run : Clipped(markup::Render(line))) paragraph.Add(run.style, run.text);
  const std::string rtf = paragraph.Rtf();

  LONG end = TextLength(view);
  Select(view, end, end);
  Source source{rtf};
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadSource};
  CallRichEdit(view, EM_STREAMIN, SF_RTF | SFF_SELECTION, reinterpret_cast<LPARAM>(&stream));
  CallRichEdit(view, WM_VSCROLL, SB_BOTTOM, 0);
}

}  // namespace quimbly::demohost
