// The widget tests' shared support is header-only; this unit carries the precompiled Qt
// headers that every widget test program reuses.
#include "ui/uitestsupport.h"
