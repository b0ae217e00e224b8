#include "platform/WorldItemReader.h"
