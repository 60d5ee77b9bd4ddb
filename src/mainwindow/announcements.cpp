#include "mainwindow/announcements.h"

#include <cstddef>

namespace quimbly::mainwindow {
namespace {

// The colour tag, a run of blanks, then the bold marker that opens every line.
std::string Opening(int blanks) {
  return "<font face=Arial Narrow><FONT COLOR=#0080FF>" + std::string(static_cast<std::size_t>(blanks), ' ') +
         "<b>·÷^·· ";
}

constexpr std::string_view kProduct = "Quimbly¹·º";

}  // namespace

std::string ByLine() { return Opening(5) + std::string(kProduct) + " by: zyk</b>"; }

std::string LoadedLine(std::string_view handle) {
  return Opening(7) + "Ioaded by: " + std::string(handle) + "</b>";
}

std::string UnloadedLine(std::string_view handle) {
  return Opening(7) + "unIoaded by: " + std::string(handle) + "</b>";
}

std::string StartedLine() { return Opening(5) + std::string(kProduct) + " started</b>"; }

std::string StoppedLine() { return Opening(6) + std::string(kProduct) + " stopped</b>"; }

std::string IdleLine() { return Opening(5) + std::string(kProduct) + " by: zyk [ idle'n ]</b>"; }

std::string TimeLine(std::string_view minutes, std::string_view reason) {
  return Opening(5) + "time: " + std::string(minutes) + " min [ " + std::string(reason) + " ]</b>";
}

}  // namespace quimbly::mainwindow
