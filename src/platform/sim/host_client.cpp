#include "platform/sim/host_client.h"

namespace quimbly::platform::sim {

HostClient AddHostClient(SimWindowSystem& windows, std::initializer_list<Document> documents) {
  HostClient host;
  host.frame = windows.CreateWindow("AOL Frame25");
  host.mdi = windows.CreateWindow("MDIClient", host.frame);
  for (const Document kind : documents) {
    const WindowHandle doc = windows.CreateWindow("AOL Child", host.mdi);
    const WindowHandle view = windows.CreateWindow("RICHCNTL", doc);
    // Every kind posts from some box, so a line sent to the wrong one shows.
    WindowHandle input = view;
    if (kind != Document::RoomWithoutInput) input = windows.CreateWindow("RICHCNTL", doc);
    windows.MakeInputBox(input);
    if (kind != Document::NonChat) windows.CreateWindow("_AOL_Listbox", doc);
    windows.CreateWindow("_AOL_Icon", doc);
    windows.CreateWindow("_AOL_Static", doc);
    host.documents.push_back(doc);
    host.inputs.push_back(input);
  }
  return host;
}

}  // namespace quimbly::platform::sim
