#pragma once

// The faulty file system lives with the other test seams.
#include "tests/support/FaultyFileSystem.h"
