#include "document.h"

namespace quimbly::demohost {
namespace {

struct KindNames {
  DocKind kind;
  const char* name;
  const wchar_t* wide;
};

constexpr KindNames kKinds[] = {
    {DocKind::Room, "room", L"room"},
    {DocKind::Doc, "doc", L"doc"},
    {DocKind::RoomNoInput, "room-noinput", L"room-noinput"},
    {DocKind::RoomHung, "room-hung", L"room-hung"},
};

}  // namespace

const char* KindName(DocKind kind) {
  for (const auto& k : kKinds)
    if (k.kind == kind) return k.name;
  return "?";
}

bool KindFromName(const std::wstring& name, DocKind& kind) {
  for (const auto& k : kKinds) {
    if (name == k.wide) {
      kind = k.kind;
      return true;
    }
  }
  return false;
}

}  // namespace quimbly::demohost
