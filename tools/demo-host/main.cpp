// demo-host: a stand-in for the host chat client. It shows the same window
// tree the utility looks for (frame, MDI client, documents with RICHCNTL
// boxes) and writes every line posted in a document to a transcript file, so
// end-to-end tests can check what the utility typed, and where.

#include "command_line.h"
#include "document.h"
#include "file_output.h"
#include "host_windows.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitFailure = 1;

std::wstring transcript_path(const std::wstring& dir, int position) {
    std::wstring path = dir;
    if (path.back() != L'\\' && path.back() != L'/') path += L'\\';
    return path + L"doc" + std::to_wstring(position) + L".txt";
}

std::string ready_text(const std::vector<Document*>& order) {
    std::string text;
    for (const Document* doc : order) {
        char line[96];
        std::snprintf(line, sizeof line, "%d %s 0x%llx\n", doc->position, kind_name(doc->kind),
                      static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(doc->window)));
        text += line;
    }
    return text;
}

bool parse_arguments(Options& options) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr) return false;
    std::string error;
    bool ok = parse_command_line(argc, argv, options, error);
    LocalFree(argv);
    if (!ok) write_stderr("demo-host: " + error + "\n" + kUsage);
    return ok;
}

int fail(const char* what) {
    write_stderr(std::string("demo-host: ") + what + "\n");
    return kExitFailure;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Options options;
    if (!parse_arguments(options)) return kExitUsage;

    std::vector<std::unique_ptr<Document>> docs;
    for (DocKind kind : options.docs) {
        auto doc = std::make_unique<Document>();
        doc->kind = kind;
        doc->hang_pending = kind == DocKind::RoomHung;
        doc->hang_seconds = options.hang_seconds;
        docs.push_back(std::move(doc));
    }

    // Start every run with empty transcripts, so a test reads only this run's lines.
    if (!options.transcript_dir.empty()) {
        for (size_t i = 0; i < docs.size(); ++i) {
            if (!create_empty_file(transcript_path(options.transcript_dir, static_cast<int>(i) + 1)))
                return fail("cannot create the transcript files");
        }
    }

    if (!register_host_classes(instance)) return fail("cannot register the window classes");
    HWND frame = create_frame(instance);
    if (frame == nullptr) return fail("cannot create the frame window");
    HWND mdi = mdi_client_of(frame);
    ShowWindow(frame, SW_SHOWNORMAL);
    UpdateWindow(frame);

    // Each new MDI child goes on top, so creating the last one first leaves
    // the first one listed at the top of the child order.
    for (size_t i = docs.size(); i-- > 0;) {
        std::string title = "Room " + std::to_string(i + 1);
        if (create_document(mdi, docs[i].get(), title.c_str()) == nullptr)
            return fail("cannot create a document window");
    }
    SendMessageA(mdi, WM_MDITILE, MDITILE_HORIZONTAL, 0);

    // Positions (titles, transcript names) follow the order the window system
    // actually reports, which is what the utility sees.
    std::vector<Document*> order = documents_in_child_order(mdi);
    for (size_t i = 0; i < order.size(); ++i) {
        Document* doc = order[i];
        doc->position = static_cast<int>(i) + 1;
        std::string title = "Room " + std::to_string(doc->position);
        char shown[32] = {};
        GetWindowTextA(doc->window, shown, sizeof shown);
        if (title != shown) SetWindowTextA(doc->window, title.c_str());
        if (!options.transcript_dir.empty()) doc->transcript = transcript_path(options.transcript_dir, doc->position);
        if (doc != docs[i].get()) write_stderr("demo-host: documents are not in the order asked for\n");
    }
    if (order.size() != docs.size()) write_stderr("demo-host: some documents are missing from the MDI client\n");

    // Announce readiness from inside the message loop, when messages are answered.
    PostMessageA(frame, kReadyMessage, 0, 0);

    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) return kExitFailure;
        if (msg.hwnd == frame && msg.message == kReadyMessage) {
            if (!options.ready_file.empty() && !write_file_atomically(options.ready_file, ready_text(order))) {
                DestroyWindow(frame);
                return fail("cannot write the ready file");
            }
            continue;
        }
        if (TranslateMDISysAccel(mdi, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
