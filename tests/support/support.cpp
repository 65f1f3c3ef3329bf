// The test doubles are header-only; this keeps the support library non-empty.
#include "support/fakedialogs.h"
#include "support/scriptedrandom.h"
