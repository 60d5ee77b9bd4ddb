// std::string's code, built here without exceptions. gcc 13 and later have
// code built with exceptions call the copy in the static C++ library, whose
// catch blocks would bring in the unwinder, the name demangler and a printf
// that needs msvcrt.dll. Instantiated here, every member the exe calls is one
// of its own, and a broken precondition ends in app/fatal_errors.cpp.
#include <string>

template class std::basic_string<char>;
