#include "review/Card.h"
