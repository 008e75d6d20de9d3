#include "review/History.h"
