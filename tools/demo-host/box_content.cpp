#include "box_content.h"

#include <string>

#include "edit_calls.h"
#include "file_output.h"

namespace quimbly::demohost {
namespace {

// The real client renders the markup; the stand-in shows the text without it,
// so the room reads as people in it would see it. The transcript keeps the bytes.
std::string WithoutMarkup(const std::string& line) {
  std::string text;
  bool inTag = false;
  for (char c : line) {
    if (c == '<') {
      inTag = true;
    } else if (c == '>' && inTag) {
      inTag = false;
    } else if (!inTag) {
      text += c;
    }
  }
  return text;
}

// What the box would post now: the bytes it was given, unless someone typed
// into it since, in which case only the control itself knows the content.
std::string ContentToPost(Document& doc) {
  HWND box = doc.input;
  bool stale = doc.handEdited || CallEdit(box, EM_GETMODIFY, 0, 0) != 0;
  if (!stale) return doc.kept;
  std::string text = ShownText(box);
  if (doc.input == doc.view) {
    // The combined box shows earlier lines above the one being entered.
    size_t newline = text.rfind('\n');
    if (newline != std::string::npos) text.erase(0, newline + 1);
  }
  return text;
}

}  // namespace

LRESULT TakeSentText(Document& doc, HWND box, WPARAM wParam, LPARAM lParam) {
  doc.kept = lParam ? reinterpret_cast<const char*>(lParam) : "";
  doc.handEdited = false;
  LRESULT result;
  if (doc.input == doc.view) {
    SetShownText(box, doc.history + doc.kept);
    MoveCaretToEnd(box);
    result = TRUE;
  } else {
    result = CallEdit(box, WM_SETTEXT, wParam, lParam);
    CallEdit(box, EM_SETMODIFY, FALSE, 0);
  }
  return result;
}

void PostLine(Document& doc) {
  std::string line = ContentToPost(doc);

  // Show the line first, so whoever sees it in the transcript can also see it on screen.
  if (doc.input == doc.view) {
    doc.history += WithoutMarkup(line) + "\r\n";
    doc.kept.clear();
    doc.handEdited = false;
    SetShownText(doc.input, doc.history);
    MoveCaretToEnd(doc.input);
  } else {
    AppendToView(doc.view, WithoutMarkup(line));
    doc.kept.clear();
    doc.handEdited = false;
    SetShownText(doc.input, "");
  }

  if (!doc.transcript.empty() && !AppendLine(doc.transcript, line))
    WriteStderr("demo-host: cannot append to a transcript file\n");
}

}  // namespace quimbly::demohost
