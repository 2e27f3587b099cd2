// The name the system knows the program by: its main window's class and its
// single-instance mutex, and, with a suffix, the framework's own window
// classes and window property. A macro, so the suffixes join it as literals.
#pragma once

#define VELLORIC_INSTANCE_NAME "quendalo.velloric"
