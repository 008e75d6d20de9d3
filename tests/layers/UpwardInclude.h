#pragma once
// Planted for the layer check: a model file that reaches up into the window.
#include "core/VocabFile.h"
#  include "ui/MainFrm.h"
