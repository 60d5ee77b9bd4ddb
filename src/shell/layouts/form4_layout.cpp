#include "shell/layouts/form4_layout.h"

namespace quimbly::shell {
namespace {

using platform::ControlKind;
using platform::Edge;

constexpr platform::ControlLayout kControls[] = {
    {.kind = ControlKind::PictureBox, .name = "Picture1", .twips = {0, 0, 2295, 255},
     .back = platform::kSchemeWindowBackground, .fore = platform::kSchemeWindowText, .edge = Edge::Flat,
     .tabIndex = 1},
    {.kind = ControlKind::TextBox, .name = "Text1", .twips = {0, 360, 2280, 285}, .text = "...handle",
     .back = platform::kSchemeWindowBackground, .fore = platform::kSchemeWindowText, .edge = Edge::Flat,
     .tabIndex = 0},
};

constexpr platform::FormLayout kForm4 = {
    .name = "Form4",
    .caption = "Form4",
    .clientWidth = 2295,
    .clientHeight = 645,
    .controls = kControls,
};

}  // namespace

const platform::FormLayout& Form4Layout() { return kForm4; }

}  // namespace quimbly::shell
