// The console program's version: the program's own, from the build.
#pragma once

#include "res/version.h"

#define VELLORIC_CLI_VERSION VELLORIC_VERSION_TEXT
