#include "shell/layouts/form2_layout.h"

namespace quimbly::shell {
namespace {

constexpr platform::MenuLayout kMenus[] = {
    {.name = "exit", .caption = "exit"},
    {.name = "handle", .caption = "handle", .parent = "exit"},
    {.name = "exit2", .caption = "e&xit", .parent = "exit"},
    {.name = "minimize", .caption = "mi&nimize", .parent = "exit"},
};

constexpr platform::FormLayout kForm2 = {
    .name = "Form2",
    .caption = "Form2",
    .clientWidth = 3705,
    .clientHeight = 1770,
    .borderless = false,
    .showInTaskbar = true,
    .background = platform::kSchemeButtonFace,
    .menus = kMenus,
};

}  // namespace

const platform::FormLayout& Form2Layout() { return kForm2; }

}  // namespace quimbly::shell
