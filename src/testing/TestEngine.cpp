#include "testing/TestEngine.h"

// TODO: the engine's bodies follow in the next commit; nothing calls them yet.
