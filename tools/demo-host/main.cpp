// demo-host: a stand-in for the host chat client. It shows the same window
// tree the utility looks for (frame, MDI client, documents with RICHCNTL
// boxes) and writes every line posted in a document to a transcript file, so
// end-to-end tests can check what the utility typed, and where.

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "command_line.h"
#include "document.h"
#include "document_window.h"
#include "file_output.h"
#include "host_windows.h"

namespace quimbly::demohost {
namespace {

constexpr int kExitUsage = 2;
constexpr int kExitFailure = 1;

using Documents = std::vector<std::unique_ptr<Document>>;

std::wstring TranscriptPath(const std::wstring& dir, int position) {
  std::wstring path = dir;
  if (path.back() != L'\\' && path.back() != L'/') path += L'\\';
  return path + L"doc" + std::to_wstring(position) + L".txt";
}

std::string ReadyText(const std::vector<Document*>& order) {
  std::string text;
  for (const Document* doc : order) {
    char line[96];
    std::snprintf(line, sizeof line, "%d %s 0x%llx\n", doc->position, KindName(doc->kind),
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(doc->window)));
    text += line;
  }
  return text;
}

bool ParseArguments(Options& options) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr) return false;
  std::string error;
  bool ok = ParseCommandLine(argc, argv, options, error);
  LocalFree(argv);
  if (!ok) WriteStderr("demo-host: " + error + "\n" + kUsage);
  return ok;
}

int Fail(const char* what) {
  WriteStderr(std::string("demo-host: ") + what + "\n");
  return kExitFailure;
}

Documents MakeDocuments(const Options& options) {
  Documents docs;
  for (DocKind kind : options.docs) {
    auto doc = std::make_unique<Document>();
    doc->kind = kind;
    doc->hangPending = kind == DocKind::RoomHung;
    doc->hangSeconds = options.hangSeconds;
    doc->screenName = options.screenName;
    doc->echo = options.echo;
    docs.push_back(std::move(doc));
  }
  return docs;
}

// Start every run with empty transcripts, so a test reads only this run's lines.
bool EmptyTranscripts(const Options& options, size_t count) {
  if (options.transcriptDir.empty()) return true;
  for (size_t i = 0; i < count; ++i) {
    if (!CreateEmptyFile(TranscriptPath(options.transcriptDir, static_cast<int>(i) + 1))) return false;
  }
  return true;
}

// Each new MDI child goes on top, so creating the last one first leaves
// the first one listed at the top of the child order.
bool CreateDocuments(HWND mdi, const Documents& docs) {
  for (size_t i = docs.size(); i-- > 0;) {
    std::string title = "Room " + std::to_string(i + 1);
    if (CreateDocument(mdi, docs[i].get(), title.c_str()) == nullptr) return false;
  }
  return true;
}

// Positions (titles, transcript names) follow the order the window system
// actually reports, which is what the utility sees.
std::vector<Document*> NumberDocuments(HWND mdi, const Documents& docs, const Options& options) {
  std::vector<Document*> order = DocumentsInChildOrder(mdi);
  for (size_t i = 0; i < order.size(); ++i) {
    Document* doc = order[i];
    doc->position = static_cast<int>(i) + 1;
    std::string title = "Room " + std::to_string(doc->position);
    char shown[32] = {};
    GetWindowTextA(doc->window, shown, sizeof shown);
    if (title != shown) SetWindowTextA(doc->window, title.c_str());
    if (!options.transcriptDir.empty()) doc->transcript = TranscriptPath(options.transcriptDir, doc->position);
    if (doc != docs[i].get()) WriteStderr("demo-host: documents are not in the order asked for\n");
  }
  if (order.size() != docs.size()) WriteStderr("demo-host: some documents are missing from the MDI client\n");
  return order;
}

// Readiness is announced from inside the message loop, when messages are answered.
int RunMessageLoop(HWND frame, HWND mdi, const std::wstring& readyFile, const std::vector<Document*>& order) {
  PostMessageA(frame, kReadyMessage, 0, 0);
  MSG msg;
  BOOL got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) return kExitFailure;
    if (msg.hwnd == frame && msg.message == kReadyMessage) {
      if (!readyFile.empty() && !WriteFileAtomically(readyFile, ReadyText(order))) {
        DestroyWindow(frame);
        return Fail("cannot write the ready file");
      }
      continue;
    }
    if (TranslateMDISysAccel(mdi, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

int Run(HINSTANCE instance) {
  Options options;
  if (!ParseArguments(options)) return kExitUsage;
  Documents docs = MakeDocuments(options);
  if (!EmptyTranscripts(options, docs.size())) return Fail("cannot create the transcript files");

  if (!RegisterHostClasses(instance)) return Fail("cannot register the window classes");
  HWND frame = CreateFrame(instance);
  if (frame == nullptr) return Fail("cannot create the frame window");
  HWND mdi = MdiClientOf(frame);
  ShowWindow(frame, SW_SHOWNORMAL);
  UpdateWindow(frame);

  if (!CreateDocuments(mdi, docs)) return Fail("cannot create a document window");
  SendMessageA(mdi, WM_MDITILE, MDITILE_HORIZONTAL, 0);
  std::vector<Document*> order = NumberDocuments(mdi, docs, options);
  return RunMessageLoop(frame, mdi, options.readyFile, order);
}

}  // namespace
}  // namespace quimbly::demohost

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return quimbly::demohost::Run(instance); }
