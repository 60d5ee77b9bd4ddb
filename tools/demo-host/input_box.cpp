#include "input_box.h"

#include "file_output.h"

#include <string>

namespace {

constexpr char kBoxClass[] = "RICHCNTL";

WNDPROC g_edit_proc = nullptr;

// Our own changes go straight to EDIT so they are not mistaken for the
// sender's WM_SETTEXT (which could also trip the hang) or for typing.
LRESULT edit_call(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcA(g_edit_proc, box, message, wparam, lparam);
}

void set_shown_text(HWND box, const std::string& text) {
    edit_call(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    edit_call(box, EM_SETMODIFY, FALSE, 0);
}

void move_caret_to_end(HWND box) {
    LRESULT length = edit_call(box, WM_GETTEXTLENGTH, 0, 0);
    edit_call(box, EM_SETSEL, static_cast<WPARAM>(length), length);
    edit_call(box, EM_SCROLLCARET, 0, 0);
}

std::string shown_text(HWND box) {
    int length = GetWindowTextLengthA(box);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(box, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

// The real client renders the markup; the stand-in shows the text without it,
// so the room reads as people in it would see it. The transcript keeps the bytes.
std::string without_markup(const std::string& line) {
    std::string text;
    bool in_tag = false;
    for (char c : line) {
        if (c == '<') in_tag = true;
        else if (c == '>' && in_tag) in_tag = false;
        else if (!in_tag) text += c;
    }
    return text;
}

void append_to_view(HWND view, const std::string& line) {
    LRESULT length = edit_call(view, WM_GETTEXTLENGTH, 0, 0);
    edit_call(view, EM_SETSEL, static_cast<WPARAM>(length), length);
    std::string text = line + "\r\n";
    edit_call(view, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    edit_call(view, EM_SCROLLCARET, 0, 0);
}

// What the box would post now: the bytes it was given, unless someone typed
// into it since, in which case only the control itself knows the content.
std::string content_to_post(Document& doc) {
    HWND box = doc.input;
    bool stale = doc.hand_edited || edit_call(box, EM_GETMODIFY, 0, 0) != 0;
    if (!stale) return doc.kept;
    std::string text = shown_text(box);
    if (doc.input == doc.view) {
        // The combined box shows earlier lines above the one being entered.
        size_t newline = text.rfind('\n');
        if (newline != std::string::npos) text.erase(0, newline + 1);
    }
    return text;
}

void post_line(Document& doc) {
    std::string line = content_to_post(doc);

    // Show the line first, so whoever sees it in the transcript can also see it on screen.
    if (doc.input == doc.view) {
        doc.history += without_markup(line) + "\r\n";
        doc.kept.clear();
        doc.hand_edited = false;
        set_shown_text(doc.input, doc.history);
        move_caret_to_end(doc.input);
    } else {
        append_to_view(doc.view, without_markup(line));
        doc.kept.clear();
        doc.hand_edited = false;
        set_shown_text(doc.input, "");
    }

    if (!doc.transcript.empty() && !append_line(doc.transcript, line))
        write_stderr("demo-host: cannot append to a transcript file\n");
}

LRESULT set_text(Document& doc, HWND box, WPARAM wparam, LPARAM lparam) {
    if (doc.hang_pending) {
        // A hung client: the whole UI thread stops answering, then carries on.
        doc.hang_pending = false;
        Sleep(doc.hang_seconds * 1000u);
    }
    doc.kept = lparam ? reinterpret_cast<const char*>(lparam) : "";
    doc.hand_edited = false;
    LRESULT result;
    if (doc.input == doc.view) {
        set_shown_text(box, doc.history + doc.kept);
        move_caret_to_end(box);
        result = TRUE;
    } else {
        result = edit_call(box, WM_SETTEXT, wparam, lparam);
        edit_call(box, EM_SETMODIFY, FALSE, 0);
    }
    return result;
}

LRESULT CALLBACK box_proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* doc = reinterpret_cast<Document*>(GetWindowLongPtrA(box, GWLP_USERDATA));
    // A plain view (or a box not yet wired up) is just an edit control.
    if (doc == nullptr || doc->input != box) return edit_call(box, message, wparam, lparam);

    switch (message) {
    case WM_SETTEXT:
        return set_text(*doc, box, wparam, lparam);
    case WM_CHAR:
        if (wparam == '\r') {
            post_line(*doc);
            return 0;  // EDIT would only beep at it
        }
        doc->hand_edited = true;
        break;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
        doc->hand_edited = true;
        break;
    default:
        break;
    }
    return edit_call(box, message, wparam, lparam);
}

}  // namespace

bool register_input_box_class(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(nullptr, "EDIT", &wc)) return false;
    g_edit_proc = wc.lpfnWndProc;
    wc.lpfnWndProc = box_proc;
    wc.hInstance = instance;
    wc.lpszClassName = kBoxClass;
    wc.style &= ~CS_GLOBALCLASS;
    return RegisterClassExA(&wc) != 0;
}

HWND create_box(HWND parent, int id, BoxRole role, Document* doc) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    switch (role) {
    case BoxRole::View:
        style |= ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;
        break;
    case BoxRole::Input:
        style |= ES_AUTOHSCROLL | WS_TABSTOP;
        break;
    case BoxRole::Combined:
        style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
        break;
    }
    HWND box = CreateWindowExA(WS_EX_CLIENTEDGE, kBoxClass, "", style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)),
                               nullptr);
    if (box == nullptr) return nullptr;
    // Long announcements must not be cut at EDIT's default limit.
    SendMessageA(box, EM_SETLIMITTEXT, 0, 0);
    if (role != BoxRole::View) SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(doc));
    return box;
}
