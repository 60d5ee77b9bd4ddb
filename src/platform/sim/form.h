// A simulated form: its controls' state, visibility, position, keyboard focus
// and menus, built from the same layout table as the real window.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/controls.h"
#include "platform/sim/picture_box.h"
#include "platform/toolkit.h"

namespace quimbly::platform::sim {

class SimToolkit;

class SimForm final : public Form {
 public:
  SimForm(SimToolkit& toolkit, const FormLayout& layout, FormEvents& events);
  ~SimForm() override;

  void Show() override;
  void Hide() override { visible_ = false; }
  bool Visible() const override { return visible_; }
  void Minimize() override { minimized_ = true; }
  bool Minimized() const override { return minimized_; }
  WindowHandle hWnd() const override { return hwnd_; }
  float Left() const override { return left_; }
  void SetLeft(float twips) override;

  platform::Label& Label(std::string_view name) override;
  platform::TextBox& TextBox(std::string_view name) override;
  platform::Timer& Timer(std::string_view name) override;
  platform::MenuItem& MenuItem(std::string_view name) override;
  platform::PictureBox& PictureBox(std::string_view name) override;
  void PopupMenu(Form& menuOwner, std::string_view menu, float xTwips) override;

  // The window was uncovered: boxes without a persistent image ask for Paint.
  void Uncover();
  SimPictureBox& Picture(std::string_view name);

  const FormLayout& Layout() const { return layout_; }
  FormEvents& Events() { return events_; }
  const ControlLayout& Control(std::string_view name) const;
  std::vector<SimTimer*> Timers();

  // Keyboard focus: the control keys go to, empty when none can take it.
  const std::string& Focused() const { return focused_; }
  void Focus(std::string_view control);
  void TabForward();
  // The menu items (captions) of each pop-up shown by this form, in order.
  const std::vector<std::vector<std::string>>& PopupsShown() const { return popups_; }
  float LastPopupX() const { return lastPopupX_; }

 private:
  std::vector<std::string_view> FocusOrder() const;

  SimToolkit& toolkit_;
  const FormLayout& layout_;
  FormEvents& events_;
  WindowHandle hwnd_;
  bool visible_ = false;
  bool minimized_ = false;
  float left_ = 0;
  std::string focused_;
  std::map<std::string, std::unique_ptr<SimLabel>, std::less<>> labels_;
  std::map<std::string, std::unique_ptr<SimTextBox>, std::less<>> textBoxes_;
  std::map<std::string, std::unique_ptr<SimMenuItem>, std::less<>> menuItems_;
  std::map<std::string, std::unique_ptr<SimPictureBox>, std::less<>> pictures_;
  std::vector<std::unique_ptr<SimTimer>> timers_;  // creation order breaks ties between due timers
  std::vector<std::vector<std::string>> popups_;
  float lastPopupX_ = 0;
};

}  // namespace quimbly::platform::sim
