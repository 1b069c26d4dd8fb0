#include "BatchProgress.h"

// Anchors the vtable in one object file.
BatchProgress::~BatchProgress() = default;
