// The widget tests' support is header-only; this unit carries their precompiled Qt headers.
#include "ui/uitestsupport.h"
