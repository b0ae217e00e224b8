#include "platform/InputFile.h"
