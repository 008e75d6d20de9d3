#include "review/ReviewQueue.h"
