#include "shell/layouts/form1_layout.h"

namespace quimbly::shell {
namespace {

using platform::ControlKind;
using platform::ControlLayout;
using platform::Edge;

constexpr platform::Colour kPanelBlue = platform::Rgb(0, 164, 248);

// In creation order; a control with a container lies inside that picture box,
// positioned from its inner area.
constexpr ControlLayout kControls[] = {
    {.kind = ControlKind::Timer, .name = "Timer1", .intervalMs = 60000},
    {.kind = ControlKind::PictureBox, .name = "Picture2", .twips = {0, 0, 2415, 255},
     .back = platform::kSchemeWindowBackground, .fore = platform::kSchemeWindowText,
     .edge = Edge::Flat, .tabIndex = 1},
    {.kind = ControlKind::Label, .name = "Label2", .container = "Picture2",
     .twips = {1920, 0, 135, 135}, .text = "-"},
    {.kind = ControlKind::Label, .name = "Label1", .container = "Picture2",
     .twips = {2160, 0, 135, 255}, .text = "x"},
    {.kind = ControlKind::PictureBox, .name = "Picture1", .twips = {0, 360, 2415, 1455},
     .back = kPanelBlue, .fore = platform::kSchemeWindowText, .edge = Edge::Flat, .tabIndex = 0,
     .picture = platform::Picture::Panel},
    {.kind = ControlKind::TextBox, .name = "Text1", .container = "Picture1",
     .twips = {1440, 1080, 855, 285}, .text = "reason...",
     .back = platform::kSchemeWindowBackground, .fore = platform::kSchemeWindowText,
     .edge = Edge::Sunken, .tabIndex = 10},
    {.kind = ControlKind::Label, .name = "Label8", .container = "Picture1",
     .twips = {1080, 1080, 375, 255}, .text = "min"},
    {.kind = ControlKind::Label, .name = "Label7", .container = "Picture1",
     .twips = {720, 1080, 375, 255}, .text = "0"},
    {.kind = ControlKind::Label, .name = "Label6", .container = "Picture1",
     .twips = {120, 1080, 615, 255}, .text = "idle for :"},
    {.kind = ControlKind::Label, .name = "Label5", .container = "Picture1",
     .twips = {1680, 360, 735, 615}},
    {.kind = ControlKind::Label, .name = "Label4", .container = "Picture1",
     .twips = {720, 360, 855, 615}},
    {.kind = ControlKind::Label, .name = "Label3", .container = "Picture1",
     .twips = {0, 360, 615, 615}},
    {.kind = ControlKind::Label, .name = "handle", .twips = {0, 2640, 1335, 255},
     .fore = platform::kWhite},
};

constexpr platform::FormLayout kForm1 = {
    .name = "Form1",
    .caption = "Quimbly¹·º by zyk",
    .clientWidth = 2415,
    .clientHeight = 1815,
    .programIcon = true,
    .controls = kControls,
};

}  // namespace

const platform::FormLayout& Form1Layout() { return kForm1; }

}  // namespace quimbly::shell
