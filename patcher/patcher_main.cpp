// The one application object of this deliverable.
#include "patcher/patcher_app.h"

static PatcherApp theApp;
