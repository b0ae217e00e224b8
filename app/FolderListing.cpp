#include "app/FolderListing.h"
