#pragma once
// Planted for the layer check: the program's entry layer, which the window may not reach, and the
// Qt side of printing, which a model library may not.
#include "app/Application.h"
#include "qtsupport/QtPrinter.h"
