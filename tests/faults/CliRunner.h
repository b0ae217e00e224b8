#pragma once

// The CLI runner lives with the other test seams.
#include "tests/support/CliRunner.h"
