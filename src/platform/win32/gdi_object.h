// A GDI object this backend created (a brush, a bitmap), deleted with
// whatever holds it.
#pragma once

#include <windows.h>

namespace quimbly::platform::win32 {

template <typename Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() {
    if (handle_ != nullptr) DeleteObject(handle_);
  }

  Handle get() const { return handle_; }

 private:
  Handle handle_;
};

}  // namespace quimbly::platform::win32
