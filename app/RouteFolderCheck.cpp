#include "app/RouteFolderCheck.h"
