#pragma once
// Planted for the layer check: a model file that reaches up into the window, spaced as the
// preprocessor allows.
// clang-format off
#include "core/VocabFile.h"
#  include "ui/MainWindow.h"
