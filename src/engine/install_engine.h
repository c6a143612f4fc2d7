#pragma once
// The whole engine connected to a game context, as a program does once at start; the
// connection itself lives with the rules (engine_hooks.h), where the tools reach it too.
#include "engine_hooks.h"
