/* Resource names shared by the exe's resource script and the code that loads them. */
#pragma once

#define QUIMBLY_ICON 1
