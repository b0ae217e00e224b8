#pragma once

// Resource ids shared by the resource script and the code.
#define VELTRANO_ICON 1
