#include "host_windows.h"

#include "input_box.h"

#include <cstring>
#include <initializer_list>

namespace {

constexpr char kFrameClass[] = "AOL Frame25";
constexpr char kChildClass[] = "AOL Child";
constexpr char kListClass[] = "_AOL_Listbox";
constexpr char kIconClass[] = "_AOL_Icon";
constexpr char kStaticClass[] = "_AOL_Static";

constexpr char kFrameTitle[] = "Demo host - chat client stand-in";
constexpr int kFrameX = 300;  // clear of the utility's window at the top left
constexpr int kFrameY = 200;
constexpr int kFrameWidth = 520;
constexpr int kFrameHeight = 360;

constexpr int kMdiClientId = 1;
constexpr UINT kFirstMdiChildId = 50000;

enum ControlId { kViewId = 101, kInputId, kListId, kIconId, kStaticId };

WNDPROC g_list_proc = nullptr;
WNDPROC g_static_proc = nullptr;
HWND g_mdi_client = nullptr;

Document* document_of(HWND window) {
    return reinterpret_cast<Document*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HINSTANCE instance_of(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

HWND create_control(HWND parent, const char* cls, const char* text, DWORD style, DWORD ex_style, int id) {
    return CreateWindowExA(ex_style, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_of(parent), nullptr);
}

bool has_member_list(DocKind kind) {
    return kind != DocKind::Doc;
}

// Child windows go to the bottom of their siblings when created, so the order
// of these calls is the order the utility walks them in.
bool build_document_children(HWND window, Document& doc) {
    if (doc.kind == DocKind::RoomNoInput) {
        doc.view = doc.input = create_box(window, kViewId, BoxRole::Combined, &doc);
        if (!doc.view) return false;
    } else {
        doc.view = create_box(window, kViewId, BoxRole::View, &doc);
        doc.input = create_box(window, kInputId, BoxRole::Input, &doc);
        if (!doc.view || !doc.input) return false;
    }
    if (has_member_list(doc.kind)) {
        HWND list = create_control(window, kListClass, "", LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                                   WS_EX_CLIENTEDGE, kListId);
        if (!list) return false;
        for (const char* member : {"Ann_Bee", "RoboCat", "Lizzy42"})
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(member));
    }
    const char* label = doc.kind == DocKind::Doc ? "Notes" : "Chat room";
    if (!create_control(window, kIconClass, "", 0, 0, kIconId)) return false;
    if (!create_control(window, kStaticClass, label, SS_LEFT, 0, kStaticId)) return false;

    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return true;
}

// Text on the left with the input box under it; icon, label and members on the right.
void lay_out_document(HWND window, int width, int height) {
    constexpr int kInputHeight = 22;
    int side = width / 3 < 110 ? width / 3 : 110;
    int left = width - side;
    auto place = [&](int id, int x, int y, int w, int h) {
        if (HWND c = GetDlgItem(window, id))
            SetWindowPos(c, nullptr, x, y, w > 0 ? w : 0, h > 0 ? h : 0, SWP_NOZORDER | SWP_NOACTIVATE);
    };
    bool separate_input = GetDlgItem(window, kInputId) != nullptr;
    place(kViewId, 0, 0, left, separate_input ? height - kInputHeight : height);
    place(kInputId, 0, height - kInputHeight, left, kInputHeight);
    place(kIconId, left + 3, 3, 16, 16);
    place(kStaticId, left + 23, 4, side - 25, 16);
    place(kListId, left + 2, 22, side - 4, height - 24);
}

LRESULT CALLBACK child_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lparam);
        auto* mcs = static_cast<MDICREATESTRUCTA*>(cs->lpCreateParams);
        auto* doc = reinterpret_cast<Document*>(mcs->lParam);
        doc->window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(doc));
        if (!build_document_children(window, *doc)) return -1;
        break;
    }
    case WM_SIZE:
        lay_out_document(window, LOWORD(lparam), HIWORD(lparam));
        break;  // DefMDIChildProc needs WM_SIZE as well
    case WM_SETFOCUS:
        if (Document* doc = document_of(window); doc && doc->input) {
            SetFocus(doc->input);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefMDIChildProcA(window, message, wparam, lparam);
}

LRESULT CALLBACK frame_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE: {
        CLIENTCREATESTRUCT ccs{};
        ccs.hWindowMenu = nullptr;
        ccs.idFirstChild = kFirstMdiChildId;
        g_mdi_client = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                       WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL,
                                       0, 0, 0, 0, window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMdiClientId)),
                                       instance_of(window), &ccs);
        return g_mdi_client ? 0 : -1;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefFrameProcA(window, g_mdi_client, message, wparam, lparam);
}

LRESULT CALLBACK icon_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT r;
        GetClientRect(window, &r);
        HBRUSH fill = CreateSolidBrush(RGB(255, 190, 0));
        FillRect(dc, &r, fill);
        DeleteObject(fill);
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

LRESULT CALLBACK list_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcA(g_list_proc, window, message, wparam, lparam);
}

LRESULT CALLBACK static_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcA(g_static_proc, window, message, wparam, lparam);
}

bool register_superclass(HINSTANCE instance, const char* base, const char* name, WNDPROC proc,
                         WNDPROC& base_proc) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(nullptr, base, &wc)) return false;
    base_proc = wc.lpfnWndProc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    wc.style &= ~CS_GLOBALCLASS;
    return RegisterClassExA(&wc) != 0;
}

bool register_plain_class(HINSTANCE instance, const char* name, WNDPROC proc, int background) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

}  // namespace

bool register_host_classes(HINSTANCE instance) {
    return register_plain_class(instance, kFrameClass, frame_proc, COLOR_APPWORKSPACE) &&
           register_plain_class(instance, kChildClass, child_proc, COLOR_BTNFACE) &&
           register_plain_class(instance, kIconClass, icon_proc, COLOR_BTNFACE) &&
           register_superclass(instance, "LISTBOX", kListClass, list_proc, g_list_proc) &&
           register_superclass(instance, "STATIC", kStaticClass, static_proc, g_static_proc) &&
           register_input_box_class(instance);
}

HWND create_frame(HINSTANCE instance) {
    return CreateWindowExA(0, kFrameClass, kFrameTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kFrameX,
                           kFrameY, kFrameWidth, kFrameHeight, nullptr, nullptr, instance, nullptr);
}

HWND mdi_client_of(HWND frame) {
    return GetDlgItem(frame, kMdiClientId);
}

HWND create_document(HWND mdi_client, Document* doc, const char* title) {
    MDICREATESTRUCTA mcs{};
    mcs.szClass = kChildClass;
    mcs.szTitle = title;
    mcs.hOwner = instance_of(mdi_client);
    mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
    mcs.style = 0;
    mcs.lParam = reinterpret_cast<LPARAM>(doc);
    return reinterpret_cast<HWND>(SendMessageA(mdi_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}

std::vector<Document*> documents_in_child_order(HWND mdi_client) {
    std::vector<Document*> order;
    for (HWND c = GetWindow(mdi_client, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[64] = {};
        GetClassNameA(c, cls, sizeof cls);
        if (std::strcmp(cls, kChildClass) == 0) order.push_back(document_of(c));
    }
    return order;
}
