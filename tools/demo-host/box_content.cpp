#include "box_content.h"

#include <richedit.h>

#include <string>

#include "file_output.h"
#include "rich_edit_calls.h"
#include "view_lines.h"

namespace quimbly::demohost {
namespace {

// The combined box shows earlier lines above the one being entered, which
// it takes out, to show it again as posted.
std::string TakeEnteredLine(HWND box) {
  std::string text = ShownText(box);
  size_t lineEnd = text.find_last_of("\r\n");
  std::string line = lineEnd == std::string::npos ? text : text.substr(lineEnd + 1);
  LONG end = TextLength(box);
  Select(box, end - static_cast<LONG>(line.size()), end);
  CallRichEdit(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
  return line;
}

}  // namespace

void PostLine(Document& doc) {
  // Setting the box's text clears its modified mark; any edit sets it.
  const bool edited = CallRichEdit(doc.input, EM_GETMODIFY, 0, 0) != 0;
  std::string line;
  if (doc.input == doc.view) {
    line = TakeEnteredLine(doc.input);
  } else {
    line = ShownText(doc.input);
    ClearBox(doc.input);
  }
  if (!doc.heldLine.empty() && !edited) line = doc.heldLine;
  doc.heldLine.clear();

  // Show the line first, so whoever sees it in the transcript can also see it on screen.
  ShowLine(doc.view, doc.screenName, line);
  EchoLine(doc.echo, doc.screenName, line);
  if (!doc.transcript.empty() && !AppendLine(doc.transcript, line))
    WriteStderr("demo-host: cannot append to a transcript file\n");
}

}  // namespace quimbly::demohost
