#include "document.h"

namespace {

struct KindName {
    DocKind kind;
    const char* name;
    const wchar_t* wide;
};

constexpr KindName kKinds[] = {
    {DocKind::Room, "room", L"room"},
    {DocKind::Doc, "doc", L"doc"},
    {DocKind::RoomNoInput, "room-noinput", L"room-noinput"},
    {DocKind::RoomHung, "room-hung", L"room-hung"},
};

}  // namespace

const char* kind_name(DocKind kind) {
    for (const auto& k : kKinds)
        if (k.kind == kind) return k.name;
    return "?";
}

bool kind_from_name(const std::wstring& name, DocKind& kind) {
    for (const auto& k : kKinds) {
        if (name == k.wide) {
            kind = k.kind;
            return true;
        }
    }
    return false;
}
