#include "app/WorldFileTest.h"
