// A picture box: a surface inside a form with the drawing the banners use,
// on the screen during its Paint event or into a persistent image.
#pragma once

#include <windows.h>

#include "platform/toolkit.h"
#include "platform/win32/surface.h"

namespace quimbly::platform::win32 {

// Its window is the toolkit's picture box: painting and the toolkit's drawing
// calls share the image and the pen, which a window held apart would have to
// reach back for.
class PictureBoxWindow final : public Surface, public platform::PictureBox {
 public:
  PictureBoxWindow(const ControlLayout& layout, const SurfaceStyle& style, FormEvents& events,
                   PictureCache& pictures)
      : Surface(layout.name, style, events, pictures), layout_(layout) {
    CreateSurface(style);
  }
  ~PictureBoxWindow() override { SetAutoRedraw(false); }

  // Moves the box within its container, to its place at the scale; a drawing
  // made at another scale is dropped, and the box's Paint makes it anew.
  void LayOut(const DisplayScale& scale, HFONT font) override;

  void SetAutoRedraw(bool on) override;
  void SetDrawStyle(int style) override { drawStyle_ = style; }
  void SetDrawMode(int mode) override { drawMode_ = mode; }
  void SetDrawWidth(int pixels) override { drawWidth_ = pixels; }
  // The laid-out size, whatever the scale: the drawing's arithmetic stays in twips.
  float Width() const override { return static_cast<float>(layout_.twips.width); }
  float Height() const override { return static_cast<float>(layout_.twips.height); }
  void Box(float x1, float y1, float x2, float y2, Colour colour) override;

 protected:
  void PaintUnderLabels(HDC dc) override;

 private:
  const ControlLayout& layout_;
  DisplayScale scale_;
  // What drawing goes to: the persistent image, or the screen during Paint.
  HDC target_ = nullptr;
  bool autoRedraw_ = false;
  HDC imageDc_ = nullptr;
  HBITMAP image_ = nullptr;
  HGDIOBJ imageOld_ = nullptr;
  int drawStyle_ = 0;
  int drawMode_ = kCopyPen;
  int drawWidth_ = 1;
};

}  // namespace quimbly::platform::win32
