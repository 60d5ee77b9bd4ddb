#include "shell/layouts/form3_layout.h"

namespace quimbly::shell {
namespace {

using platform::ControlKind;
using platform::Edge;

constexpr platform::ControlLayout kControls[] = {
    {.kind = ControlKind::TextBox, .name = "Text1", .twips = {0, 360, 1920, 285}, .text = "...handle",
     .back = platform::kSchemeWindowBackground, .fore = platform::kSchemeWindowText, .edge = Edge::Flat,
     .tabIndex = 1},
    {.kind = ControlKind::PictureBox, .name = "Picture1", .twips = {0, 0, 2295, 255},
     .back = platform::kSchemeWindowBackground, .fore = platform::kSchemeWindowText, .edge = Edge::Flat,
     .tabIndex = 0},
    {.kind = ControlKind::Label, .name = "Label2", .twips = {2040, 360, 255, 255}, .text = "ok",
     .fore = platform::kWhite},
};

constexpr platform::FormLayout kForm3 = {
    .name = "Form3",
    .caption = "Form3",
    .clientWidth = 2295,
    .clientHeight = 660,
    .controls = kControls,
};

}  // namespace

const platform::FormLayout& Form3Layout() { return kForm3; }

}  // namespace quimbly::shell
