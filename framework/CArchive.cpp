#include "framework/CArchive.h"
