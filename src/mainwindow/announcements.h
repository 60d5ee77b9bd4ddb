// Every line the utility posts into the chat room. The texts are the host
// room's markup, kept exactly as the room's regulars know them (including the
// capital I of "Ioaded"); composed parts are inserted unescaped.
#pragma once

#include <string>
#include <string_view>

namespace quimbly::mainwindow {

std::string ByLine();
std::string LoadedLine(std::string_view handle);
std::string UnloadedLine(std::string_view handle);
std::string StartedLine();
std::string StoppedLine();
std::string IdleLine();
std::string TimeLine(std::string_view minutes, std::string_view reason);

}  // namespace quimbly::mainwindow
