// What a document's input box posts on Enter: its text, read back from the
// control, shown in the view and written to the transcript as raw bytes.
#pragma once

#include "document.h"

namespace quimbly::demohost {

// Shows the box's content as a posted line, writes it to the transcript and empties the box.
void PostLine(Document& doc);

}  // namespace quimbly::demohost
