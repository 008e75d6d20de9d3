#include "review/Scheduler.h"
