#include "platform/IoResult.h"
