#pragma once
// Planted for the layer check: a Qt header in a file of a Qt-free layer.
#include "core/VocabFile.h"

#include <QString>
